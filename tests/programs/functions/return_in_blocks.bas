' RETURN leaves the function from inside FOR, DO and IF blocks at once.
FUNCTION firstsquareover(BYVAL limit AS INTEGER) AS INTEGER
    DIM k AS INTEGER
    FOR k = 1 TO 100
        IF k * k > limit THEN
            RETURN k
        END IF
    NEXT
    RETURN -1
END FUNCTION

FUNCTION halvings(BYVAL n AS INTEGER) AS INTEGER
    DIM steps AS INTEGER
    DO
        IF n <= 1 THEN
            RETURN steps
        END IF
        n = n \ 2
        steps = steps + 1
    LOOP
END FUNCTION

FUNCTION twice(BYVAL n AS INTEGER) AS INTEGER
    RETURN n * 2
END FUNCTION

FUNCTION viaone(BYVAL n AS INTEGER) AS INTEGER
    RETURN twice(n) + 1
END FUNCTION

SUB early(BYVAL n AS INTEGER)
    DIM j AS INTEGER
    FOR j = 1 TO 10
        IF j > n THEN
            RETURN
        END IF
        PRINT "early "; j
    NEXT
    PRINT "never"
END SUB

' The main program's own loop variable is untouched.
DIM k AS INTEGER
FOR k = 1 TO 2
    PRINT firstsquareover(50); " "; firstsquareover(20000); " "; halvings(1000)
NEXT
' expect: 8 -1 9
' expect: 8 -1 9
PRINT "k "; k
' expect: k 3

PRINT viaone(20)
' expect: 41

early(2)
early(0)
PRINT "end"
' expect: early 1
' expect: early 2
' expect: end
