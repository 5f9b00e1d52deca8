' expect: continues
' expect: still
IF FALSE THEN
  END
ELSEIF FALSE THEN
  END
END IF
PRINT "continues"
IF TRUE THEN
ELSE
  END
END IF
PRINT "still"
