PRINT 1
PRINT 2
zz = 1
