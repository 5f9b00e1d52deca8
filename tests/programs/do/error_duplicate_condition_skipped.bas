' A condition on both lines is found too when the loop is skipped at once.
' expect: before
' expect: error_duplicate_condition_skipped.bas(9): Error 4: Syntax error (Token: Token {type=variable, value=[x]}): {Duplicate loop condition.}
DIM x AS INTEGER
x = 5
PRINT "before"
DO WHILE x < 3
    PRINT "never"
LOOP UNTIL x = 5
PRINT "not reached"
