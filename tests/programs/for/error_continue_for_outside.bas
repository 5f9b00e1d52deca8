' expect: before
' expect: error_continue_for_outside.bas(4): Error 4: Syntax error (Token: Token {type=command, value=[continuefor]}): {'CONTINUE FOR' without previous matching 'FOR'.}
PRINT "before"
CONTINUE FOR
