' expect: before
' expect: stray_to.bas(4): Error 1: Unexpected error (Token: Token {type=command, value=[to]}): {Command [to] not handled!!!}
PRINT "before"
TO 10
PRINT "never"
