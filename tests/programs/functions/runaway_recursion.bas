' Recursion without end is reported on standard error; what was printed
' before stays, and the exit status is 0.
' expect: before
' expect: 1
' expect-err: Exception thrown (stack overflow?): Error code C00000FD
FUNCTION forever(BYVAL n AS INTEGER) AS INTEGER
    RETURN forever(n + 1)
END FUNCTION
PRINT "before"
PRINT 1
PRINT forever(1)
PRINT "never"
