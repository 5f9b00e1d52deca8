' expect: error_exit_for_extra.bas(4): Error 4: Syntax error (Token: Token {type=integer, value=[1]}): {EOL expected after 'EXIT FOR'.}
DIM i AS INTEGER
FOR i = 1 TO 3
    EXIT FOR 1
NEXT
