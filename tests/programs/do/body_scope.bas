' A DIM in the body runs on every pass from the default value; the variable
' is gone after the loop.
DIM n AS INTEGER
n = 0
DO
    DIM t AS INTEGER
    PRINT "t="; t
    t = 99
    n = n + 1
LOOP UNTIL n = 3
' expect: t=0
' expect: t=0
' expect: t=0

n = 0
DO WHILE n < 2
    DIM u AS STRING
    u = u + "u"
    PRINT u
    n = n + 1
LOOP
' expect: u
' expect: u

DIM t AS DOUBLE
DIM u AS BOOLEAN
PRINT t; " "; u
' expect: 0 False
