' Nested loops: NEXT with and without names, inner loops that sometimes never run.
DIM i, j AS INTEGER

FOR i = 1 TO 3
    FOR j = 1 TO i
        PRINT i; "-"; j
    NEXT j
NEXT i
' expect: 1-1
' expect: 2-1
' expect: 2-2
' expect: 3-1
' expect: 3-2
' expect: 3-3

' NEXT without a name closes the innermost loop.
FOR i = 1 TO 3
    FOR j = i TO 2
        PRINT i; "-"; j
    NEXT
    PRINT "j="; j
NEXT
' expect: 1-1
' expect: 1-2
' expect: j=3
' expect: 2-2
' expect: j=3
' expect: j=3

' A loop that never runs is skipped as a whole, nested loops included.
FOR i = 5 TO 1
    FOR j = 1 TO 2
        PRINT "never"
    NEXT j
    FOR j = 1 TO 2
    NEXT
NEXT i
PRINT "skipped, i="; i; " j="; j
' expect: skipped, i=5 j=3
