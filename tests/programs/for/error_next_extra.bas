' expect: 1
' expect: error_next_extra.bas(6): Error 4: Syntax error (Token: Token {type=variable, value=[j]}): {End of statement expected after 'NEXT'.}
DIM i, j AS INTEGER
FOR i = 1 TO 2
    PRINT i
NEXT i j
