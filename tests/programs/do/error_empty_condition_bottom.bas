' expect: once
' expect: error_empty_condition_bottom.bas(6): Error 4: Syntax error (Token: Token {type=command, value=[print]}): {expression expected in DO loop.}
DO
    PRINT "once"
LOOP UNTIL
PRINT "not reached"
