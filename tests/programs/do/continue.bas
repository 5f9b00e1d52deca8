' CONTINUE DO always tests the loop's condition, wherever it stands.
DIM n AS INTEGER

' Condition at the top.
n = 0
DO WHILE n < 5
    n = n + 1
    IF n MOD 2 = 1 THEN
        CONTINUE DO
    END IF
    PRINT "even "; n
LOOP
PRINT "after "; n
' expect: even 2
' expect: even 4
' expect: after 5

' Condition at the top, loop left by CONTINUE DO before LOOP was ever reached.
n = 0
DO UNTIL n >= 1
    n = n + 1
    CONTINUE DO
    PRINT "never"
LOOP
PRINT "after "; n
' expect: after 1

' Condition at the bottom, CONTINUE DO on later passes.
n = 0
DO
    n = n + 1
    IF n >= 2 THEN
        CONTINUE DO
    END IF
    PRINT "body "; n
LOOP WHILE n < 4
PRINT "after "; n
' expect: body 1
' expect: after 4

' Condition at the bottom, CONTINUE DO on the very first pass: the LOOP line's
' condition is already true, so the loop ends there.
n = 10
DO
    n = n + 1
    PRINT "pass "; n
    IF n > 0 THEN
        CONTINUE DO
    END IF
    PRINT "never"
LOOP UNTIL n > 5
PRINT "after "; n
' expect: pass 11
' expect: after 11

' Condition at the bottom, CONTINUE DO on the first pass with the loop going on.
n = 0
DO
    n = n + 1
    IF n < 3 THEN
        CONTINUE DO
    END IF
    PRINT "reached "; n
LOOP UNTIL n = 4
PRINT "after "; n
' expect: reached 3
' expect: reached 4
' expect: after 4

' No condition at all: CONTINUE DO starts the next pass.
n = 0
DO
    n = n + 1
    IF n < 3 THEN
        CONTINUE DO
    END IF
    PRINT "plain "; n
    EXIT DO
LOOP
' expect: plain 3

' CONTINUE DO in an inner loop continues that loop only.
DIM m AS INTEGER
n = 0
DO WHILE n < 2
    n = n + 1
    m = 0
    DO
        m = m + 1
        IF m = 2 THEN
            CONTINUE DO
        END IF
        PRINT n; "-"; m
    LOOP UNTIL m = 3
LOOP
' expect: 1-1
' expect: 1-3
' expect: 2-1
' expect: 2-3
