' expect: dim_unknown_type.bas(2): Error 4: Syntax error (Token: Token {type=variable, value=[long]}): {data type expected}
DIM a AS LONG
