' expect: Error 7: Comment starting with '/*' not closed with '*/': {at end of file}
PRINT "first"
/* never closed
PRINT "second"
