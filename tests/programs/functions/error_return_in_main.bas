' expect: before
' expect: error_return_in_main.bas(6): Error 4: Syntax error (Token: Token {type=command, value=[return]}): {'RETURN' without matching 'FUNCTION' or 'SUB'.}
PRINT "before"
DIM i AS INTEGER
FOR i = 1 TO 2
    RETURN
NEXT
