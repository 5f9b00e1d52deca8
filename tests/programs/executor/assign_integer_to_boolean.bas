' expect: assign_integer_to_boolean.bas(3): Error 13: Type mismatch (Token: Token {type=delimeter, value=[EOL]}): {assign [integer] value to [boolean] variable [b]}
DIM b AS BOOLEAN
b = 1
