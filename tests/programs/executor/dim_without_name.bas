' expect: dim_without_name.bas(2): Error 4: Syntax error (Token: Token {type=command, value=[as]}): {Variable name expected after 'DIM'.}
DIM AS INTEGER
