' EXIT DO leaves only the innermost DO loop.
DIM a, b AS INTEGER
a = 0
DO WHILE a < 3
    a = a + 1
    b = 0
    DO
        b = b + 1
        IF b > a THEN
            EXIT DO
        END IF
        PRINT a; "."; b
    LOOP
LOOP
PRINT "done "; a; " "; b
' expect: 1.1
' expect: 2.1
' expect: 2.2
' expect: 3.1
' expect: 3.2
' expect: 3.3
' expect: done 3 4

' EXIT DO before the LOOP line was ever read finds it past nested loops.
DO
    PRINT "once"
    EXIT DO
    DO WHILE TRUE
        PRINT "never"
    LOOP
    DO
    LOOP UNTIL TRUE
LOOP
PRINT "out"
' expect: once
' expect: out

' EXIT DO from inside a FOR loop inside the DO loop.
DIM i AS INTEGER
a = 0
DO
    a = a + 1
    FOR i = 1 TO 3
        IF a * i = 4 THEN
            EXIT DO
        END IF
        PRINT a; "*"; i
    NEXT
LOOP
PRINT "left at "; a; " "; i
' expect: 1*1
' expect: 1*2
' expect: 1*3
' expect: 2*1
' expect: left at 2 2

' The flow stack and scopes are clean afterwards.
DIM i2 AS INTEGER
FOR i2 = 1 TO 2
    PRINT "for "; i2
NEXT
' expect: for 1
' expect: for 2
