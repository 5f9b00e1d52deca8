' expect: else_with_statement.bas(4): Error 4: Syntax error (Token: Token {type=command, value=[print]}): {EOL expected after 'ELSE'.}
IF FALSE THEN
  PRINT "no"
ELSE PRINT "x"
END IF
