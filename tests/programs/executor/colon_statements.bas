' expect: 1
' expect: 2
' expect: 3
' expect: ab
' expect: a:b
' expect: 4
' expect: 5
' expect: colon_statements.bas(14): Error 11: undefined variable (Token: Token {type=variable, value=[zz]}): {Undefined variable [zz].}
DIM a AS INTEGER : a = 1 : PRINT a : PRINT a + 1
:: PRINT 3 ::
PRINT "a"; : PRINT "b"
PRINT "a:b"
a = 4 : PRINT a :
PRINT 5 : zz = 2 : PRINT "never"
