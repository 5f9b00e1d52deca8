' expect: inside
' expect: still running
IF TRUE THEN
  PRINT "inside"
PRINT "still running"
