' expect: error_header_then.bas(3): Error 4: Syntax error (Token: Token {type=command, value=[then]}): {EOL expected at the end of FOR statement.}
DIM i AS INTEGER
FOR i = 1 TO 3 THEN
NEXT
