' expect: starts_with_operator.bas(2): Error 4: Syntax error (Token: Token {type=operator, value=[=]})
= 5
PRINT "never"
