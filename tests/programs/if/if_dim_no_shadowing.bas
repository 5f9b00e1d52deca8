' expect: if_dim_no_shadowing.bas(5): Error 10: Duplicate definition (Token: Token {type=command, value=[print]}): {Variable [n] already defined.}
DIM n AS INTEGER
IF TRUE THEN
  DIM n AS DOUBLE
  PRINT "no"
END IF
