' CONTINUE DO on a later pass, once LOOP has been read, leaves a loop that ends
' the program.
' expect: 1
' expect: 2
' expect: 3
DIM c AS INTEGER
c = 0
DO
  c = c + 1
  PRINT c
  IF c >= 3 THEN
    CONTINUE DO
  END IF
LOOP UNTIL c >= 3
