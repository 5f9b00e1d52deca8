' expect: before
' expect: input_not_handled.bas(4): Error 1: Unexpected error (Token: Token {type=command, value=[input]}): {Command [input] not handled!!!}
PRINT "before"
INPUT x
PRINT "never"
