' A loop variable must be numeric; the start value's assignment fails.
' expect: error_string_variable.bas(4): Error 13: Type mismatch (Token: Token {type=command, value=[to]}): {assign [integer] value to [string] variable [s]}
DIM s AS STRING
FOR s = 1 TO 3
NEXT
