' EXIT FOR and CONTINUE FOR from inside IF blocks, DO loops and nested loops.
DIM i, j AS INTEGER

' EXIT FOR leaves the IF and the loop; both their scopes are closed.
FOR i = 1 TO 10
    DIM sq AS INTEGER
    sq = i * i
    IF sq > 10 THEN
        DIM note AS STRING
        note = "stop at "
        PRINT note; i
        EXIT FOR
    END IF
    PRINT sq
NEXT
PRINT "after "; i
' expect: 1
' expect: 4
' expect: 9
' expect: stop at 4
' expect: after 4
DIM sq AS STRING
DIM note AS INTEGER
sq = "gone"
PRINT sq; note
' expect: gone0

' CONTINUE FOR skips the rest of the pass; on the last pass it ends the loop.
FOR i = 1 TO 4
    IF i MOD 2 = 0 THEN
        CONTINUE FOR
    END IF
    PRINT i
NEXT
PRINT "after "; i
' expect: 1
' expect: 3
' expect: after 5

' EXIT FOR in an inner loop leaves only that loop.
FOR i = 1 TO 3
    FOR j = 1 TO 3
        IF j > i THEN
            EXIT FOR
        END IF
        PRINT i; "-"; j
    NEXT j
NEXT i
' expect: 1-1
' expect: 2-1
' expect: 2-2
' expect: 3-1
' expect: 3-2
' expect: 3-3

' CONTINUE FOR in an inner loop continues that loop.
FOR i = 1 TO 2
    FOR j = 1 TO 3
        IF j = 2 THEN
            CONTINUE FOR
        END IF
        PRINT i; "-"; j
    NEXT
NEXT
' expect: 1-1
' expect: 1-3
' expect: 2-1
' expect: 2-3

' EXIT FOR from inside a DO loop inside the FOR loop.
FOR i = 1 TO 5
    DO
        IF i = 2 THEN
            EXIT FOR
        END IF
        EXIT DO
    LOOP
    PRINT i
NEXT
PRINT "after "; i
' expect: 1
' expect: after 2

' The flow stack is clean afterwards: a new IF block and loop work as usual.
IF i = 2 THEN
    FOR j = 1 TO 2
        PRINT "again "; j
    NEXT
END IF
' expect: again 1
' expect: again 2
