PRINT "x";

