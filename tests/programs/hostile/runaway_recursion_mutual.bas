' Three functions calling one another in a ring, each from an argument of a
' built-in call.
' expect: 1
' expect-err: Exception thrown (stack overflow?): Error code C00000FD
FUNCTION a(BYVAL n AS DOUBLE) AS DOUBLE
    RETURN abs(b(n + 1))
END FUNCTION
FUNCTION b(BYVAL n AS DOUBLE) AS DOUBLE
    RETURN sqrt(c(n + 1) * 2)
END FUNCTION
FUNCTION c(BYVAL n AS DOUBLE) AS DOUBLE
    RETURN len(str(a(n + 1)))
END FUNCTION
PRINT 1
PRINT a(0.0)
