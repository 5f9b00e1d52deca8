' An error in the LOOP condition tested by a first-pass CONTINUE DO is
' reported at the CONTINUE DO line, as on every later pass.
' expect: error_condition_continue_first_pass.bas(8): Error 13: Type mismatch (Token: Token {type=delimeter, value=[EOL]}): {Boolean type expected for condition expression in DO loop. The type is [integer]}
DIM c AS INTEGER
c = 0
DO
  c = c + 1
  CONTINUE DO
LOOP WHILE c
PRINT "after"
