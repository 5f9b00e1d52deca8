' A call with several arguments is cut at the first ",".
' expect: error_do_condition_cut.bas(3): Error 4: Syntax error (Token: Token {type=delimeter, value=[,]}): {EOL expected at the end of DO.}
DO WHILE bigger(1, 2) = 2
LOOP
FUNCTION bigger(BYVAL a AS INTEGER, BYVAL b AS INTEGER) AS INTEGER
    IF a > b THEN
        RETURN a
    END IF
    RETURN b
END FUNCTION
