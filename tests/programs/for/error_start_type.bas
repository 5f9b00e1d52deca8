' expect: error_start_type.bas(3): Error 13: Type mismatch (Token: Token {type=command, value=[to]}): {Integer or double type expected in FOR statement for initial value of loop variable. The type is [string]}
DIM i AS INTEGER
FOR i = "1" TO 3
NEXT
