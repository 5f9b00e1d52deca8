' expect: starts_with_line_number.bas(2): Error 4: Syntax error (Token: Token {type=integer, value=[10]})
10 PRINT "hello"
PRINT "never"
