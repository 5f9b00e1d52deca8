' expect: starts_with_array.bas(2): Error 4: Syntax error (Token: Token {type=array, value=[foo (array not supported yet)]})
foo(1)
PRINT "never"
