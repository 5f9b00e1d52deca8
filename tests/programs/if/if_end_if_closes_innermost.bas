' expect: after
IF TRUE THEN
  IF FALSE THEN
    PRINT "no"
END IF
PRINT "after"
