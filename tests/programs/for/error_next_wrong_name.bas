' expect: 1-1
' expect: error_next_wrong_name.bas(7): Error 4: Syntax error (Token: Token {type=variable, value=[i]}): {'NEXT' without previous matching 'FOR'.}
DIM i, j AS INTEGER
FOR i = 1 TO 2
    FOR j = 1 TO 2
        PRINT i; "-"; j
    NEXT i
NEXT j
