' expect: before
' expect: error_next_without_for.bas(4): Error 4: Syntax error (Token: Token {type=command, value=[next]}): {'NEXT' without previous matching 'FOR'.}
PRINT "before"
NEXT
