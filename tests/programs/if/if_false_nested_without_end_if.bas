' expect: Error 4: Syntax error: {'IF' without matching 'END IF'.}
IF 1 > 2 THEN
  IF TRUE THEN
  END IF
PRINT "no"
