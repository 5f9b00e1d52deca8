' expect: elseif_missing_then.bas(3): Error 4: Syntax error (Token: Token {type=delimeter, value=[EOL]}): {'THEN' expected.}
IF FALSE THEN
ELSEIF TRUE
END IF
