' expect: before
' expect: stray_as.bas(4): Error 1: Unexpected error (Token: Token {type=command, value=[as]}): {Command [as] not handled!!!}
PRINT "before"
AS INTEGER
PRINT "never"
