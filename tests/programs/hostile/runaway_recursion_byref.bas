' A SUB passing its BYREF parameter on to itself, without end: every level
' writes the one variable of the main program.
' expect: 0
' expect-err: Exception thrown (stack overflow?): Error code C00000FD
SUB climb(BYREF depth AS INTEGER)
    depth = depth + 1
    climb(depth)
END SUB
DIM depth AS INTEGER
PRINT depth
climb(depth)
PRINT "never"; depth
