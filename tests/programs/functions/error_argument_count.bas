' expect: 3
' expect: error_argument_count.bas(10): Error 4: Syntax error (Token: Token {type=delimeter, value=[EOL]}): {Function/sub-routine [add2] expects [2] argument(s).}
FUNCTION add2(BYVAL a AS INTEGER, BYVAL b AS INTEGER) AS INTEGER
    RETURN a + b
END FUNCTION

DIM x AS INTEGER
x = add2(1, 2)
PRINT x
x = add2(1)
