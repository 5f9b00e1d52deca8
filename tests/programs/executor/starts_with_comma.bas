' expect: starts_with_comma.bas(2): Error 4: Syntax error (Token: Token {type=delimeter, value=[,]})
, 1
PRINT "never"
