' expect: assign_overflow.bas(3): Error 15: Overflow (Token: Token {type=delimeter, value=[EOL]})
DIM n AS INTEGER
n = 2147483647.4
