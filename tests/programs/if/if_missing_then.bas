' expect: if_missing_then.bas(2): Error 4: Syntax error (Token: Token {type=delimeter, value=[EOL]}): {'THEN' expected.}
IF TRUE
  PRINT "no"
END IF
