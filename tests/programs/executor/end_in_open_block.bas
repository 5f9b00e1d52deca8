' expect: before
' expect: inside
PRINT "before"
IF TRUE THEN
  PRINT "inside"
  END
  PRINT "not reached"
END IF
PRINT "not reached either"
THEN
