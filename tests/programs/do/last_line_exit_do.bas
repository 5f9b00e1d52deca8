' EXIT DO leaves a loop whose LOOP line ends the program, before and after the
' LOOP line has been read.
' expect: 1
' expect: 2
DIM c AS INTEGER
c = 0
DO
  c = c + 1
  PRINT c
  IF c = 2 THEN
    EXIT DO
  END IF
LOOP
