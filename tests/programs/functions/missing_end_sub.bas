' A SUB without END SUB runs to the end of the program's text and then
' returns as END SUB would: the caller's variables are visible again.
' expect: in s 1
' expect: in s 2
' expect: back 5
DIM x AS INTEGER
x = 5
s(1)
s(2)
PRINT "back "; x
SUB s(BYVAL n AS INTEGER)
    PRINT "in s "; n
