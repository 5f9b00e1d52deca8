' The variable is looked up before the rest of the header is read.
' expect: error_undeclared_variable.bas(4): Error 11: undefined variable (Token: Token {type=variable, value=[k]}): {Undefined variable [k].}

FOR k = 1 TO 3 STEP "x"
NEXT
