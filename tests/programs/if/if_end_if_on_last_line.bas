' expect: x
IF TRUE THEN
  PRINT "x"
END IF