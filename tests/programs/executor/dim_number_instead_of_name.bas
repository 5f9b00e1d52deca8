' expect: dim_number_instead_of_name.bas(2): Error 4: Syntax error (Token: Token {type=integer, value=[5]}): {Variable name expected after 'DIM'.}
DIM 5 AS INTEGER
