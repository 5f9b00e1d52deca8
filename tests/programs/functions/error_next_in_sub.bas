' A NEXT in a called SUB does not close the caller's loop.
' expect: error_next_in_sub.bas(4): Error 4: Syntax error (Token: Token {type=command, value=[next]}): {'NEXT' without previous matching 'FOR'.}
SUB s()
    NEXT
END SUB
DIM i AS INTEGER
FOR i = 1 TO 2
    s()
NEXT
