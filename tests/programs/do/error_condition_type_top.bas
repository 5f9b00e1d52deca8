' The condition is tested after the DO line, with the cursor on the body's first token.
' expect: error_condition_type_top.bas(5): Error 13: Type mismatch (Token: Token {type=command, value=[print]}): {Boolean type expected for condition expression in DO loop. The type is [integer]}
DIM x AS INTEGER
DO WHILE 1
    PRINT "never"
LOOP
