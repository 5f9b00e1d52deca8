' Recursion without end from inside an IF condition, in a DO loop, in a FOR
' loop, with a string growing at every level.
' expect: go
' expect-err: Exception thrown (stack overflow?): Error code C00000FD
FUNCTION deeper(BYVAL s AS STRING) AS BOOLEAN
    DIM i AS INTEGER
    FOR i = 1 TO 2
        DO
            IF deeper(s + "x") THEN
                RETURN TRUE
            END IF
        LOOP
    NEXT
    RETURN FALSE
END FUNCTION
PRINT "go"
IF deeper("") THEN
    PRINT "never"
END IF
