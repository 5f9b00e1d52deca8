PRINT "bom"
