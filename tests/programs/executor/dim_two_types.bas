' expect: dim_two_types.bas(2): Error 4: Syntax error (Token: Token {type=delimeter, value=[,]}): {End of statement expected after data type}
DIM a AS INTEGER, b AS DOUBLE
