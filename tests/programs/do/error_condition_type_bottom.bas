' expect: body
' expect: error_condition_type_bottom.bas(7): Error 13: Type mismatch (Token: Token {type=command, value=[print]}): {Boolean type expected for condition expression in DO loop. The type is [string]}
DIM s AS STRING
DO
    PRINT "body"
LOOP UNTIL "yes"
PRINT "not reached"
