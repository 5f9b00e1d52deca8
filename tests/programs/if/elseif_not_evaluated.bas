' expect: first
' expect: second
' expect: done
DIM n AS INTEGER
n = 0
IF TRUE THEN
  PRINT "first"
ELSEIF 1 / n = 1 THEN
  PRINT "no"
ELSEIF zz THEN
  PRINT "no"
ELSEIF 1 +
ELSE
  PRINT "no"
END IF
IF n = 1 THEN
  PRINT "no"
ELSEIF n = 0 THEN
  PRINT "second"
ELSEIF 1 / n = 1 THEN
  PRINT "no"
ELSEIF "text" THEN
END IF
PRINT "done"
