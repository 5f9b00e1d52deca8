' expect: if_then_statement_same_line.bas(4): Error 4: Syntax error (Token: Token {type=command, value=[print]}): {EOL expected after 'THEN'.}
DIM x AS BOOLEAN
x = TRUE
IF x THEN PRINT x
END IF
