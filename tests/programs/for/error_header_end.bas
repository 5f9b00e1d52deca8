' expect: error_header_end.bas(3): Error 4: Syntax error (Token: Token {type=delimeter, value=[,]}): {EOL expected at the end of FOR statement.}
DIM i AS INTEGER
FOR i = 1 TO 3 STEP 1, 2
NEXT
