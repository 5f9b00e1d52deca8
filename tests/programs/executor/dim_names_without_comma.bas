' expect: dim_names_without_comma.bas(2): Error 4: Syntax error (Token: Token {type=variable, value=[b]})
DIM a b AS INTEGER
