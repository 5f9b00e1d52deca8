' expect: assign_string_to_integer.bas(4): Error 13: Type mismatch (Token: Token {type=delimeter, value=[EOL]}): {assign [string] value to [integer] variable [n]}
DIM n AS INTEGER
n = 1
n = "7"
PRINT "never"
