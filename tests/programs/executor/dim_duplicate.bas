' expect: dim_duplicate.bas(4): Error 10: Duplicate definition (Token: Token {type=command, value=[print]}): {Variable [x] already defined.}
DIM x AS INTEGER
DIM X AS DOUBLE
PRINT "never"
