' expect: 3.5
' expect: 4
' expect: 0.333333333333333
' expect: 0.666666666666667
' expect: -0.333333333333333
' expect: 0.1
' expect: 2
' expect: 1e+20
' expect: 100000000000000
' expect: 1e+15
' expect: 0.0001
' expect: 1e-05
' expect: 123456789.123457
' expect: 0.3
' expect: 2147483648
' expect: 100000
' expect: True
' expect: False
' expect: True
' expect: False
' expect: -7
' expect: 2147483647
' expect: a b  c
' expect: MiXeD
PRINT 7 / 2
PRINT 8 / 2
PRINT 1 / 3
PRINT 2 / 3
PRINT -1 / 3
PRINT 0.1
PRINT 2.0
PRINT 1e20
PRINT 1e14
PRINT 1e15
PRINT 0.0001
PRINT 0.00001
PRINT 123456789.123456789
PRINT 0.1 + 0.2
PRINT 2147483647 + 1.0
PRINT 1e+5
PRINT TRUE
PRINT false
PRINT 1 = 1
PRINT 2 < 1
PRINT -7
PRINT 2147483647
PRINT "a b  c"
PRINT "MiXeD"
