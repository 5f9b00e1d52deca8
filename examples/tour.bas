' tour.bas - a short tour of tbasic. `make run` runs it;
' by hand: tbasic -f examples/tour.bas
'
' Keywords and names are not case-sensitive. Comments start with ' or REM
' or // and run to the end of the line; /* ... */ may span lines.

PRINT "== Values =="
DIM count AS INTEGER            ' 32-bit integer
DIM ratio AS DOUBLE             ' 64-bit floating point
DIM title AS STRING
DIM ready AS BOOLEAN
count = 7
ratio = count / 2               ' 7 / 2 does not divide evenly: the double 3.5
title = "tbasic"
ready = count > 5
PRINT "count = "; count; ", ratio = "; ratio; ", title = "; title; ", ready = "; ready
PRINT "8 / 2 = "; 8 / 2; ", 7 \ 2 = "; 7 \ 2; ", 7 mod 2 = "; 7 mod 2; ", 2 ^ 10 = "; 2 ^ 10
PRINT "1 / 3 = "; 1 / 3; ", and 0.1 + 0.2 = 0.3 is "; 0.1 + 0.2 = 0.3
count = 2.5                     ' stored in an INTEGER, 2.5 rounds to 3
PRINT "count after count = 2.5: "; count
PRINT "a", "comma", "writes a tab"

PRINT
PRINT "== Strings =="
DIM s, piece AS STRING
s = "Hello, World"
piece = mid(s, 7, 5)            ' 0-based start 7, 5 characters
PRINT ucase(s); " / "; lcase(s); " / "; len(s); " characters"
PRINT "mid(s, 7, 5) = "; piece
PRINT "[" + trim("   padded   ") + "]"; " "; "str(1.5) & 2: " + str(1.5) + str(2)
count = instr(s, "World")
PRINT "World starts at "; count

PRINT
PRINT "== Decisions =="
DIM n AS INTEGER
FOR n = 1 TO 15
    IF n mod 15 = 0 THEN
        PRINT "FizzBuzz";
    ELSEIF n mod 3 = 0 THEN
        PRINT "Fizz";
    ELSEIF n mod 5 = 0 THEN
        PRINT "Buzz";
    ELSE
        PRINT n;
    END IF
    IF n < 15 THEN : PRINT " "; : END IF
NEXT n
PRINT

PRINT
PRINT "== Loops =="
DIM total AS INTEGER
total = 0
FOR n = 1 TO 100
    total = total + n
NEXT
PRINT "1 + 2 + ... + 100 = "; total; " (and n is "; n; " after the loop)"
n = 1
DO WHILE n < 1000
    n = n * 2
LOOP
PRINT "first power of two above 1000: "; n
FOR n = 10 TO 1 STEP -3
    PRINT n; " ";
NEXT n
PRINT "liftoff"
n = 0
DO
    n = n + 1
    IF n mod 2 = 0 THEN
        CONTINUE DO
    END IF
    IF n > 7 THEN
        EXIT DO
    END IF
    PRINT "odd "; n
LOOP

PRINT
PRINT "== Functions and sub-routines =="
DIM a, b AS INTEGER
DIM h AS DOUBLE
PRINT "10! = "; factorial(10)
a = 1
b = 2
swap(a, b)
PRINT "after swap(a, b): a = "; a; ", b = "; b
h = hypotenuse(3.0, 4.0)
PRINT "hypotenuse(3.0, 4.0) = "; h
greet("tour")

/* Functions and sub-routines may be defined anywhere in the file: they are
   collected before the program starts. */

FUNCTION factorial(BYVAL n AS INTEGER) AS INTEGER
    IF n <= 1 THEN
        RETURN 1
    END IF
    RETURN n * factorial(n - 1)
END FUNCTION

SUB swap(BYREF x AS INTEGER, BYREF y AS INTEGER)
    ' BYREF parameters write through to the caller's variables.
    DIM t AS INTEGER
    t = x : x = y : y = t
END SUB

FUNCTION hypotenuse(BYVAL x AS DOUBLE, BYVAL y AS DOUBLE) AS DOUBLE
    RETURN sqrt(x * x + y * y)
END FUNCTION

SUB greet(BYVAL who AS STRING)
    PRINT "That was the "; who; ". The whole language: docs/language.md"
END SUB
