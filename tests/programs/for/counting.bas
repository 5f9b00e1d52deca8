' Counting loops with and without STEP, and the loop variable afterwards.
DIM i AS INTEGER

FOR i = 1 TO 3
    PRINT i
NEXT i
PRINT "after "; i
' expect: 1
' expect: 2
' expect: 3
' expect: after 4

For i = 1 To 10 Step 3
    Print i
Next I
PRINT "after "; i
' expect: 1
' expect: 4
' expect: 7
' expect: 10
' expect: after 13

FOR i = 3 TO 1 STEP -1
    PRINT i
NEXT
PRINT "after "; i
' expect: 3
' expect: 2
' expect: 1
' expect: after 0

FOR i = 1 TO 1
    PRINT "once"
NEXT
PRINT "after "; i
' expect: once
' expect: after 2

' A loop that never runs leaves the start value behind and goes on after NEXT.
FOR i = 3 TO 1
    PRINT "never"
NEXT i
PRINT "after "; i
' expect: after 3

FOR i = -2 TO -4
    PRINT "never"
NEXT
PRINT "after "; i
' expect: after -2

' The whole loop on one line.
FOR i = 1 TO 3 : PRINT i : NEXT
' expect: 1
' expect: 2
' expect: 3
