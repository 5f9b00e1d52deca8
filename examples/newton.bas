' newton.bas - square and cube roots by Newton's method.
'
' To solve f(x) = 0, repeat x = x - f(x) / f'(x). For f(x) = x^2 - a this
' gives x = (x + a / x) / 2, which doubles the number of correct digits at
' every step once it is close.

FUNCTION newtonSqrt(BYVAL a AS DOUBLE, BYREF steps AS INTEGER) AS DOUBLE
    DIM x, prev AS DOUBLE
    steps = 0
    IF a = 0 THEN
        RETURN 0.0
    END IF
    x = a
    IF x < 1 THEN
        x = 1.0
    END IF
    DO
        prev = x
        x = (x + a / x) / 2
        steps = steps + 1
    LOOP UNTIL abs(x - prev) <= 1e-15 * x
    RETURN x
END FUNCTION

FUNCTION newtonCbrt(BYVAL a AS DOUBLE) AS DOUBLE
    ' f(x) = x^3 - a gives x = (2x + a / x^2) / 3.
    DIM x, prev AS DOUBLE
    DIM i AS INTEGER
    x = a
    IF x < 1 THEN
        x = 1.0
    END IF
    FOR i = 1 TO 100
        prev = x
        x = (2 * x + a / (x * x)) / 3
        IF abs(x - prev) <= 1e-15 * x THEN
            EXIT FOR
        END IF
    NEXT i
    RETURN x
END FUNCTION

SUB show(BYVAL a AS DOUBLE)
    DIM r AS DOUBLE
    DIM steps AS INTEGER
    r = newtonSqrt(a, steps)
    PRINT "sqrt("; a; ") = "; r; " after "; steps; " steps (built-in: "; sqrt(a); ")"
END SUB

DIM x AS DOUBLE
DIM i AS INTEGER

PRINT "Newton's steps towards the square root of 2:"
x = 2
FOR i = 1 TO 6
    x = (x + 2 / x) / 2
    PRINT "  "; i; ": "; x
NEXT i
PRINT

' The arguments must be doubles: show(2) would be refused, show(2.0) is fine.
show(2.0)
show(10.0)
show(0.25)
show(1e6)
show(12345.678)
show(0.0)
PRINT

x = newtonCbrt(27.0)
PRINT "cube root of 27 = "; x
x = newtonCbrt(2.0)
PRINT "cube root of 2 = "; x; ", cubed again: "; x * x * x
