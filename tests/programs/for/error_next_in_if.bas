' The innermost open block is the IF, not the FOR.
' expect: 1
' expect: error_next_in_if.bas(8): Error 4: Syntax error (Token: Token {type=command, value=[next]}): {'NEXT' without previous matching 'FOR'.}
DIM i AS INTEGER
FOR i = 1 TO 3
    PRINT i
    IF i > 0 THEN
NEXT
END IF
