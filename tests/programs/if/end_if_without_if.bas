' expect: a
' expect: end_if_without_if.bas(5): Error 4: Syntax error (Token: Token {type=command, value=[print]}): {'END IF' without previous matching 'IF'.}
PRINT "a"
END IF
PRINT "b"
