' expect: 1
' expect: if_scope_gone_after_end_if.bas(8): Error 11: undefined variable (Token: Token {type=variable, value=[k]}): {Undefined variable [k].}
IF TRUE THEN
  DIM k AS INTEGER
  k = 1
  PRINT k
END IF
k = 2
