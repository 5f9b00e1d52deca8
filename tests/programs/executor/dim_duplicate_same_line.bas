' expect: dim_duplicate_same_line.bas(2): Error 10: Duplicate definition (Token: Token {type=command, value=[print]}): {Variable [x] already defined.}
DIM x AS INTEGER : DIM x AS STRING : PRINT "never"
