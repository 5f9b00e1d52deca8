' expect: assign_undefined_without_equals.bas(3): Error 11: undefined variable (Token: Token {type=variable, value=[total]}): {Undefined variable [total].}
DIM x AS INTEGER
total 5
