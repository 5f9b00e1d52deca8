' expect: dim_missing_type.bas(2): Error 4: Syntax error (Token: Token {type=delimeter, value=[EOL]}): {data type expected}
DIM a AS
PRINT "never"
