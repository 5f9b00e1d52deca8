' The FOR loop around it is no DO loop.
' expect: 1
' expect: error_exit_do_outside.bas(7): Error 4: Syntax error (Token: Token {type=command, value=[exitdo]}): {'EXIT DO' without previous matching 'DO'.}
DIM i AS INTEGER
FOR i = 1 TO 3
    PRINT i
    EXIT DO
NEXT
