' expect: else1
' expect: else2
' expect: late elseif
' expect: taken
' expect: done
IF FALSE THEN
ELSE
  PRINT "else1"
ELSE
  PRINT "else2"
END IF
IF FALSE THEN
ELSE
ELSEIF TRUE THEN
  PRINT "late elseif"
ELSE
  PRINT "no"
END IF
IF TRUE THEN
  PRINT "taken"
ELSE
  PRINT "no"
ELSE
  PRINT "no"
END IF
PRINT "done"
