' A first-pass CONTINUE DO reads the LOOP line's condition; when that LOOP line
' ends the program, leaving the loop ends the program quietly.
' expect: pass1
DIM c AS INTEGER
c = 0
DO
  c = c + 1
  PRINT "pass"; c
  CONTINUE DO
LOOP WHILE c < 0
