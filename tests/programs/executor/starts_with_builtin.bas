' expect: starts_with_builtin.bas(2): Error 4: Syntax error (Token: Token {type=built-in function, value=[abs]})
abs(1)
PRINT "never"
