' Many calls that return normally, then one that never does: the guard
' still stops it.
' expect: 500500
' expect-err: Exception thrown (stack overflow?): Error code C00000FD
FUNCTION sum(BYVAL n AS INTEGER) AS INTEGER
    IF n = 0 THEN
        RETURN 0
    END IF
    RETURN n + sum(n - 1)
END FUNCTION
DIM i, total AS INTEGER
FOR i = 1 TO 1000
    total = sum(1000)
NEXT
PRINT total
PRINT sum(-1)
