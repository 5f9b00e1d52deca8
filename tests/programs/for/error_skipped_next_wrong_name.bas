' A loop that never runs is checked against the name after its NEXT too.
' expect: error_skipped_next_wrong_name.bas(6): Error 4: Syntax error (Token: Token {type=variable, value=[j]}): {'NEXT' without previous matching 'FOR'.}
DIM i, j AS INTEGER
FOR i = 3 TO 1
    PRINT "never"
NEXT j
PRINT "not reached"
