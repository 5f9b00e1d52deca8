' expect: assign_undefined.bas(2): Error 11: undefined variable (Token: Token {type=variable, value=[y]}): {Undefined variable [y].}
y = 1
