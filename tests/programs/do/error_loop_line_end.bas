' expect: 1
' expect: error_loop_line_end.bas(7): Error 4: Syntax error (Token: Token {type=delimeter, value=[,]}): {EOL expected at the end of LOOP.}
DIM x AS INTEGER
DO
    x = x + 1
    PRINT x
LOOP UNTIL x > 3, 1
