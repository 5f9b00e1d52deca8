' Every branch skip ends where the first scan from that place ended,
' pass after pass, whichever branch is taken.
DIM i AS INTEGER
FOR i = 1 TO 4
  IF i = 1 THEN
    PRINT "one"
    IF i = 2 THEN
      PRINT "no"
    ELSE
      PRINT "one inner else"
    END IF
  ELSEIF i = 2 THEN
    PRINT "two"
  ELSEIF i = 3 THEN
    IF i = 1 THEN
      PRINT "no"
    ELSEIF i = 3 THEN
      PRINT "three inner"
    END IF
  ELSE
    PRINT "other"; i
  END IF
NEXT i
FOR i = 1 TO 3
  IF i <> 2 THEN
  ELSE
    PRINT "else on pass"; i
  END IF
NEXT i
' expect: one
' expect: one inner else
' expect: two
' expect: three inner
' expect: other4
' expect: else on pass2
