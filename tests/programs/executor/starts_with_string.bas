' expect: starts_with_string.bas(2): Error 4: Syntax error (Token: Token {type=string, value=[hello]})
"hello"
PRINT "never"
