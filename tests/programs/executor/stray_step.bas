' expect: before
' expect: stray_step.bas(4): Error 1: Unexpected error (Token: Token {type=command, value=[step]}): {Command [step] not handled!!!}
PRINT "before"
STEP 2
PRINT "never"
