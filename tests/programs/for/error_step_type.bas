' expect: error_step_type.bas(3): Error 13: Type mismatch (Token: Token {type=delimeter, value=[EOL]}): {Integer or double type expected in FOR statement for STEP value of loop variable. The type is [boolean]}
DIM i AS INTEGER
FOR i = 1 TO 3 STEP TRUE
NEXT
