' The five legal spellings of a DO loop, each with several passes.
DIM n AS INTEGER

n = 0
DO
    n = n + 1
    IF n > 3 THEN
        EXIT DO
    END IF
    PRINT "plain "; n
LOOP
PRINT "after "; n
' expect: plain 1
' expect: plain 2
' expect: plain 3
' expect: after 4

n = 1
DO WHILE n < 4
    PRINT "do while "; n
    n = n + 1
LOOP
PRINT "after "; n
' expect: do while 1
' expect: do while 2
' expect: do while 3
' expect: after 4

n = 1
Do Until n > 3
    PRINT "do until "; n
    n = n + 1
Loop
PRINT "after "; n
' expect: do until 1
' expect: do until 2
' expect: do until 3
' expect: after 4

n = 1
DO
    PRINT "loop while "; n
    n = n + 1
LOOP WHILE n < 4
PRINT "after "; n
' expect: loop while 1
' expect: loop while 2
' expect: loop while 3
' expect: after 4

n = 1
DO
    PRINT "loop until "; n
    n = n + 1
LOOP UNTIL n > 3
PRINT "after "; n
' expect: loop until 1
' expect: loop until 2
' expect: loop until 3
' expect: after 4

' The compound keywords may also be written as one word.
n = 0
DOWHILE n < 2
    n = n + 1
    DO
        PRINT "inner "; n
    LOOPUNTIL TRUE
LOOP
' expect: inner 1
' expect: inner 2
