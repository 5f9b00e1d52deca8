' expect: dim_trailing_token.bas(2): Error 4: Syntax error (Token: Token {type=integer, value=[5]}): {End of statement expected after data type}
DIM a AS INTEGER 5
