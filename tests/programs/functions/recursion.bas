' Recursion: every active call has its own parameters and locals.
FUNCTION fact(BYVAL n AS INTEGER) AS INTEGER
    IF n <= 1 THEN
        RETURN 1
    END IF
    RETURN n * fact(n - 1)
END FUNCTION

FUNCTION fib(BYVAL n AS INTEGER) AS INTEGER
    IF n < 2 THEN
        RETURN n
    END IF
    RETURN fib(n - 1) + fib(n - 2)
END FUNCTION

SUB countdown(BYVAL n AS INTEGER)
    DIM mine AS INTEGER
    mine = n * 10
    IF n > 0 THEN
        countdown(n - 1)
    END IF
    PRINT "level "; n; " keeps "; mine
END SUB

PRINT fact(1)
PRINT fact(5)
PRINT fact(12)
' expect: 1
' expect: 120
' expect: 479001600

DIM i AS INTEGER
FOR i = 0 TO 10
    IF i > 0 THEN
        PRINT ",";
    END IF
    PRINT fib(i);
NEXT
PRINT
PRINT fib(20)
' expect: 0,1,1,2,3,5,8,13,21,34,55
' expect: 6765

countdown(3)
' expect: level 0 keeps 0
' expect: level 1 keeps 10
' expect: level 2 keeps 20
' expect: level 3 keeps 30

' Mutual recursion.
FUNCTION iseven(BYVAL n AS INTEGER) AS BOOLEAN
    IF n = 0 THEN
        RETURN TRUE
    END IF
    RETURN isodd(n - 1)
END FUNCTION
FUNCTION isodd(BYVAL n AS INTEGER) AS BOOLEAN
    IF n = 0 THEN
        RETURN FALSE
    END IF
    RETURN iseven(n - 1)
END FUNCTION
PRINT iseven(10); " "; isodd(7); " "; iseven(7)
' expect: True True False
