' expect: starts_with_data_type.bas(2): Error 4: Syntax error (Token: Token {type=data type, value=[integer]})
INTEGER
PRINT "never"
