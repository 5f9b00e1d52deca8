' A condition on both lines is found when LOOP is first reached.
' expect: 1
' expect: error_duplicate_condition.bas(9): Error 4: Syntax error (Token: Token {type=variable, value=[x]}): {Duplicate loop condition.}
DIM x AS INTEGER
x = 1
DO WHILE x < 3
    PRINT x
    x = x + 1
LOOP UNTIL x = 5
