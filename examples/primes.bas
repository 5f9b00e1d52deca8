' primes.bas - prime numbers by trial division.
'
' isPrime is defined once and used by every part of the program; it may be
' defined anywhere in the file, before or after its calls.

FUNCTION isPrime(BYVAL n AS INTEGER) AS BOOLEAN
    DIM d AS INTEGER
    IF n < 2 THEN
        RETURN FALSE
    END IF
    d = 2
    DO WHILE d * d <= n
        IF n mod d = 0 THEN
            RETURN FALSE
        END IF
        d = d + 1
    LOOP
    RETURN TRUE
END FUNCTION

DIM n, p, count AS INTEGER

' The primes below 100, ten to a line; "," writes a tab.
PRINT "Primes below 100:"
count = 0
FOR n = 2 TO 99
    IF isPrime(n) THEN
        count = count + 1
        IF count mod 10 = 0 THEN
            PRINT n
        ELSE
            PRINT n,
        END IF
    END IF
NEXT n
PRINT
PRINT "That is "; count; " primes."

' Twin primes: p and p + 2 both prime.
PRINT "Twin primes:";
FOR n = 3 TO 97 STEP 2
    IF isPrime(n) AND isPrime(n + 2) THEN
        PRINT " ("; n; ", "; n + 2; ")";
    END IF
NEXT
PRINT

' Goldbach: every even number from 4 on is a sum of two primes.
FOR n = 4 TO 30 STEP 2
    FOR p = 2 TO n \ 2
        IF isPrime(p) AND isPrime(n - p) THEN
            PRINT n; " = "; p; " + "; n - p
            EXIT FOR
        END IF
    NEXT p
NEXT n

' The 100th prime, counting with a DO loop.
DIM found AS INTEGER
n = 1
found = 0
DO UNTIL found = 100
    n = n + 1
    IF isPrime(n) THEN
        found = found + 1
    END IF
LOOP
PRINT "The 100th prime is "; n; "."

' How many primes below 10000?
count = 0
FOR n = 2 TO 9999
    IF isPrime(n) THEN
        count = count + 1
    END IF
NEXT n
PRINT "Below 10000 there are "; count; " primes."
