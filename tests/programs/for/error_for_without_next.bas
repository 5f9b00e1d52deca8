' A loop that never runs needs its NEXT; the report has no position.
' expect: before
' expect: Error 4: Syntax error: {'FOR' without matching 'NEXT'.}
DIM i AS INTEGER
PRINT "before"
FOR i = 3 TO 1
    PRINT "never"
