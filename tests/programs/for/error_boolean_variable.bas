' expect: error_boolean_variable.bas(3): Error 13: Type mismatch (Token: Token {type=command, value=[to]}): {assign [double] value to [boolean] variable [b]}
DIM b AS BOOLEAN
FOR b = 0.5 TO 3
NEXT
