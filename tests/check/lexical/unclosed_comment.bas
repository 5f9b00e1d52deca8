PRINT 1
/* a comment that never ends
PRINT 2
