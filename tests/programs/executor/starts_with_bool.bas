' expect: starts_with_bool.bas(2): Error 4: Syntax error (Token: Token {type=bool, value=[True]})
TRUE
PRINT "never"
