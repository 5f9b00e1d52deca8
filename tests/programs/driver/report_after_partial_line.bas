' expect: partialreport_after_partial_line.bas(3): Error 11: undefined variable (Token: Token {type=variable, value=[zz]}): {Undefined variable [zz].}
PRINT "partial";
zz = 1
