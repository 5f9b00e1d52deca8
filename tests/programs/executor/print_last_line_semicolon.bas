PRINT "x";
PRINT "a";