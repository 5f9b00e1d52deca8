' expect: else branch
IF FALSE THEN
  PRINT "no"
ELSE
  PRINT "else branch"
  END
