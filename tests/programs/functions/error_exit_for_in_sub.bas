' A called SUB cannot leave a loop of its caller: each call has its own blocks.
' expect: in s
' expect: error_exit_for_in_sub.bas(5): Error 4: Syntax error (Token: Token {type=command, value=[exitfor]}): {'EXIT FOR' without previous matching 'FOR'.}
SUB s()
    EXIT FOR
END SUB
DIM i AS INTEGER
FOR i = 1 TO 2
    PRINT "in s"
    s()
NEXT
