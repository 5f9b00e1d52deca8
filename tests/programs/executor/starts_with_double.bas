' expect: starts_with_double.bas(2): Error 4: Syntax error (Token: Token {type=double, value=[3.14159]})
3.14159265
PRINT "never"
