' expect: end_if_without_if_blank_line_after.bas(3): Error 4: Syntax error (Token: Token {type=delimeter, value=[EOL]}): {'END IF' without previous matching 'IF'.}
END IF

PRINT "b"
