' Conditions at the top may skip the body; conditions at the bottom run it once.
DIM n AS INTEGER
n = 5

DO WHILE n < 3
    PRINT "never"
LOOP
PRINT "skipped while"
' expect: skipped while

DO UNTIL n = 5
    PRINT "never"
LOOP
PRINT "skipped until"
' expect: skipped until

DO
    PRINT "once while"
LOOP WHILE n < 3
' expect: once while

DO
    PRINT "once until"
LOOP UNTIL n = 5
' expect: once until

' A skipped loop is skipped as a whole, nested loops included.
DO WHILE FALSE
    DO
        PRINT "never"
    LOOP
    DO WHILE TRUE
    LOOP
LOOP
PRINT "skipped nested"
' expect: skipped nested

' The condition is read again on every test.
DIM s AS STRING
s = ""
DO UNTIL s = "aaa"
    s = s + "a"
LOOP
PRINT s
' expect: aaa
