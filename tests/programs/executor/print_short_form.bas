' expect: 3
' expect: 45
' expect: 1
' expect: 2
' expect: 7
' expect: ok
' expect:
' expect: after empty
? 3
?4;5
PRINT 1 : PRINT 2
Print 7
print "ok"
PRINT : PRINT "after empty"
