' expect: report
' expect: report_file_name.bas(4): Error 11: undefined variable (Token: Token {type=variable, value=[zz]}): {Undefined variable [zz].}
PRINT "report"
zz = 1
