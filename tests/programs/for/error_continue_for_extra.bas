' expect: error_continue_for_extra.bas(5): Error 4: Syntax error (Token: Token {type=variable, value=[i]}): {EOL expected after 'CONTINUE FOR'.}
DIM i AS INTEGER
FOR i = 1 TO 3
    ' The name is not part of the statement.
    CONTINUE FOR i
NEXT
