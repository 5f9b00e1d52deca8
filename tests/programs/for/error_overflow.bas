' NEXT steps past the integer range; the cursor is already past the NEXT line.
' expect: 2147483646
' expect: 2147483647
' expect: error_overflow.bas(9): Error 15: Overflow (Token: Token {type=command, value=[print]})
DIM i AS INTEGER
FOR i = 2147483646 TO 2147483647
    PRINT i
NEXT
PRINT "not reached"
