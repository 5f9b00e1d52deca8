' expect: outer elseif
' expect: inner else
' expect: taken
' expect: deep else
' expect: done
IF FALSE THEN
  IF TRUE THEN
    PRINT "no"
  ELSE
    PRINT "no"
  END IF
  IF 1 THEN
  ELSEIF TRUE THEN
  END IF
  PRINT zz
ELSEIF TRUE THEN
  PRINT "outer elseif"
  IF FALSE THEN
    PRINT "no"
  ELSE
    PRINT "inner else"
  END IF
ELSE
  IF TRUE THEN
    PRINT "no"
  END IF
END IF
IF TRUE THEN
  PRINT "taken"
ELSEIF TRUE THEN
  IF TRUE THEN
    PRINT "no"
  ELSE
    PRINT "no"
  END IF
ELSE
  IF FALSE THEN
  ELSE
  END IF
END IF
IF FALSE THEN
  IF TRUE THEN
    IF TRUE THEN
    ELSE
    END IF
  ELSEIF TRUE THEN
  END IF
ELSE
  PRINT "deep else"
END IF
PRINT "done"
