' expect: first
' expect: report_on_stdout.bas(4): Error 11: undefined variable (Token: Token {type=variable, value=[zz]}): {Undefined variable [zz].}
PRINT "first"
zz = 1
PRINT "never"
