' expect: error_empty_condition.bas(4): Error 4: Syntax error (Token: Token {type=variable, value=[x]}): {expression expected in DO loop.}
DIM x AS INTEGER
DO WHILE
x = x + 1
LOOP
