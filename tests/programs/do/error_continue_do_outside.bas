' expect: before
' expect: error_continue_do_outside.bas(4): Error 4: Syntax error (Token: Token {type=command, value=[continuedo]}): {'CONTINUE DO' without previous matching 'DO'.}
PRINT "before"
CONTINUE DO
