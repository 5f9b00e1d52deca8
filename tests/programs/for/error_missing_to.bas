' expect: error_missing_to.bas(3): Error 4: Syntax error (Token: Token {type=delimeter, value=[EOL]}): {'TO' expected.}
DIM i AS INTEGER
FOR i = 1
    PRINT i
NEXT
