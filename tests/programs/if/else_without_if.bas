' expect: a
' expect: else_without_if.bas(5): Error 4: Syntax error (Token: Token {type=command, value=[print]}): {'ELSE' without previous matching 'IF'.}
PRINT "a"
ELSE
PRINT "b"
