' A file name with spaces reaches the interpreter whole and is reported as it is.
' expect: spaced out
' expect: file name with spaces.bas(5): Error 11: undefined variable (Token: Token {type=variable, value=[zz]}): {Undefined variable [zz].}
PRINT "spaced out"
zz = 1
