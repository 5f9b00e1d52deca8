' Indented as both editors must indent it (and as examples/ are indented).
DIM i, n AS INTEGER
DIM s AS STRING
FOR i = 1 TO 3
    IF i = 1 THEN ' a comment after THEN
        PRINT "one"
    ELSEIF i = 2 THEN
        PRINT "two: next"
    Else
        IF i > 2 THEN : PRINT "big" : END IF
        PRINT "three"   ' end if
    End If
NEXT i
FOR i = 1 TO 2 : PRINT i : NEXT
do while n < 3
    n = n + 1 // loop
    IF n = 2 THEN
        CONTINUE DO
    END IF
loop
DO : n = n - 1 : LOOP UNTIL n = 0
DO
    n = n + 1
    REM IF n = 1 THEN
LOOP WHILE n < 5
/* a block comment
      keeps its own
   indentation */
s = "IF x THEN"
FUNCTION twice(BYVAL x AS INTEGER) AS INTEGER
    RETURN 2 * x
END FUNCTION
SUB show(BYVAL x AS INTEGER)
    FOR i = 1 TO x
        PRINT i
    NEXT
End   Sub
PRINT twice(2)
END
