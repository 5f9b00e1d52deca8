' recursion.bas - functions that call themselves.
'
' Every call gets its own parameters and local variables, so recursion needs
' nothing special. A RETURN expression ends at the first ",", so a call with
' several arguments is stored in a variable first and the variable returned.

FUNCTION factorial(BYVAL n AS INTEGER) AS INTEGER
    IF n <= 1 THEN
        RETURN 1
    END IF
    RETURN n * factorial(n - 1)
END FUNCTION

FUNCTION fib(BYVAL n AS INTEGER) AS INTEGER
    IF n < 2 THEN
        RETURN n
    END IF
    RETURN fib(n - 1) + fib(n - 2)
END FUNCTION

FUNCTION gcd(BYVAL a AS INTEGER, BYVAL b AS INTEGER) AS INTEGER
    DIM r AS INTEGER
    IF b = 0 THEN
        RETURN a
    END IF
    r = gcd(b, a mod b)
    RETURN r
END FUNCTION

FUNCTION power(BYVAL x AS DOUBLE, BYVAL n AS INTEGER) AS DOUBLE
    ' Exponentiation by squaring: x^n = (x^(n\2))^2, times x when n is odd.
    DIM half AS DOUBLE
    IF n = 0 THEN
        RETURN 1.0
    END IF
    half = power(x, n \ 2)
    IF n mod 2 = 0 THEN
        RETURN half * half
    END IF
    RETURN half * half * x
END FUNCTION

FUNCTION sumTo(BYVAL n AS INTEGER) AS INTEGER
    IF n = 0 THEN
        RETURN 0
    END IF
    RETURN n + sumTo(n - 1)
END FUNCTION

SUB printBinary(BYVAL n AS INTEGER)
    IF n >= 2 THEN
        printBinary(n \ 2)
    END IF
    PRINT n mod 2;
END SUB

SUB hanoi(BYVAL n AS INTEGER, BYVAL src AS STRING, BYVAL dst AS STRING, BYVAL via AS STRING, BYREF moves AS INTEGER)
    ' moves is BYREF: every level counts into the caller's variable.
    IF n = 0 THEN
        RETURN
    END IF
    hanoi(n - 1, src, via, dst, moves)
    moves = moves + 1
    PRINT "  move disk "; n; " from "; src; " to "; dst
    hanoi(n - 1, via, dst, src, moves)
END SUB

DIM i, g, moves AS INTEGER
DIM p AS DOUBLE

PRINT "Factorials:"
FOR i = 0 TO 12 STEP 3
    PRINT "  "; i; "! = "; factorial(i)
NEXT i

PRINT "Fibonacci:";
FOR i = 0 TO 15
    PRINT " "; fib(i);
NEXT i
PRINT
PRINT "fib(20) = "; fib(20)

g = gcd(1071, 462)
PRINT "gcd(1071, 462) = "; g
g = gcd(17, 5)
PRINT "gcd(17, 5) = "; g

p = power(2.0, 10)
PRINT "2.0 ^ 10 = "; p
p = power(1.5, 3)
PRINT "1.5 ^ 3 = "; p
p = power(10.0, 20)
PRINT "10.0 ^ 20 = "; p

PRINT "255 in binary: ";
printBinary(255)
PRINT
PRINT "10 in binary: ";
printBinary(10)
PRINT

PRINT "Towers of Hanoi, 3 disks:"
moves = 0
hanoi(3, "A", "C", "B", moves)
PRINT "  "; moves; " moves"

PRINT "1 + 2 + ... + 10000 = "; sumTo(10000); " (10000 calls deep)"
