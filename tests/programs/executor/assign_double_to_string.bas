' expect: assign_double_to_string.bas(3): Error 13: Type mismatch (Token: Token {type=delimeter, value=[EOL]}): {assign [double] value to [string] variable [s]}
DIM s AS STRING
s = 1.5
