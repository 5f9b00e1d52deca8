' expect: before
' expect: stray_then.bas(4): Error 1: Unexpected error (Token: Token {type=command, value=[then]}): {Command [then] not handled!!!}
PRINT "before"
THEN
PRINT "never"
