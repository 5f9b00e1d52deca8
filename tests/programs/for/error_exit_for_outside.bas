' The IF block around it is no loop.
' expect: error_exit_for_outside.bas(5): Error 4: Syntax error (Token: Token {type=command, value=[exitfor]}): {'EXIT FOR' without previous matching 'FOR'.}
DIM i AS INTEGER
IF TRUE THEN
    EXIT FOR
END IF
