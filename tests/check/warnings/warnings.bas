' Legal, but almost always a mistake.
FUNCTION mean(BYVAL a AS INTEGER, BYVAL b AS INTEGER) AS DOUBLE
    RETURN (a + b) / 2
END FUNCTION
FUNCTION scale(BYVAL x AS DOUBLE) AS DOUBLE
    RETURN x * 2.0
    PRINT "never"
END FUNCTION
SUB report(BYVAL n AS INTEGER)
    DIM unused AS STRING
    PRINT n
END SUB
DIM i AS INTEGER
DIM x AS DOUBLE
x = scale(7 / 2) + mean(1, 2)
FOR i = 1 TO 3
    IF i = 2 THEN
        EXIT FOR
        PRINT "skipped"
    END IF
NEXT
report(i)
scale(1.0) + 1
END
PRINT x
' check: 3:12: warning: FUNCTION [mean] must return DOUBLE, but this value is INTEGER or DOUBLE depending on the values ('/' and '^' of integers give an INTEGER when the result is whole)
' check: 7:5: warning: this statement never runs: it follows END, RETURN, EXIT or CONTINUE in the same block
' check: 10:9: warning: variable [unused] is declared but never used
' check: 15:11: warning: argument 1 of [scale] (parameter [x]) accepts only DOUBLE, but this value is INTEGER or DOUBLE depending on the values ('/' and '^' of integers give an INTEGER when the result is whole)
' check: 19:9: warning: this statement never runs: it follows END, RETURN, EXIT or CONTINUE in the same block
' check: 23:1: warning: the value of this expression is thrown away (a statement that is a call should be the call alone)
' check: 25:1: warning: this statement never runs: it follows END, RETURN, EXIT or CONTINUE in the same block
