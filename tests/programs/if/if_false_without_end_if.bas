' expect: before
' expect: Error 4: Syntax error: {'IF' without matching 'END IF'.}
PRINT "before"
IF FALSE THEN
  PRINT "no"
