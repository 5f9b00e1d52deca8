PRINT "one"

PRINT "two"
zz = 1
PRINT "never"
