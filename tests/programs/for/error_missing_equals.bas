' expect: error_missing_equals.bas(4): Error 4: Syntax error (Token: Token {type=command, value=[to]}): {'=' expected in 'FOR' statement.}
DIM i AS INTEGER
i = 7
FOR i TO 3
NEXT
