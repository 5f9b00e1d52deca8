' expect: 1
' expect: Error 4: Syntax error: {'IF' without matching 'END IF'.}
IF TRUE THEN
  PRINT 1
ELSE
  PRINT 2
