' The innermost open block is the FOR loop.
' expect: 1
' expect: error_loop_without_do.bas(9): Error 4: Syntax error (Token: Token {type=command, value=[loop]}): {'LOOP' without previous matching 'DO'.}
DIM i AS INTEGER
DO
    FOR i = 1 TO 2
        PRINT i
        ' the NEXT is missing
LOOP
NEXT
