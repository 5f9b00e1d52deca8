' expect: dim_invalid_name.bas(3): Error 6: Invalid name (Token: Token {type=command, value=[print]}): {Variable name [a.b] contains invalid character}
DIM a.b AS INTEGER
PRINT "never"
