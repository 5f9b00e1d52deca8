' expect: assign_missing_equals.bas(3): Error 4: Syntax error (Token: Token {type=integer, value=[5]}): {operator '=' expected.}
DIM x AS INTEGER
x 5
