' expect: before
' expect: error_loop_alone.bas(4): Error 4: Syntax error (Token: Token {type=command, value=[loopwhile]}): {'LOOP' without previous matching 'DO'.}
PRINT "before"
LOOP WHILE TRUE
