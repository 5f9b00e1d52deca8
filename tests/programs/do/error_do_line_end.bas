' expect: error_do_line_end.bas(4): Error 4: Syntax error (Token: Token {type=command, value=[then]}): {EOL expected at the end of DO.}
DIM x AS INTEGER
x = 1
DO WHILE x < 3 THEN
    x = x + 1
LOOP
