' expect: assign_call_with_comma.bas(3): Error 4: Syntax error (Token: Token {type=delimeter, value=[,]}): {matching ')' not found}
DIM x AS INTEGER
x = abs(1, 2)
