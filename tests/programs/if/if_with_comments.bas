' expect: yes
' expect: after
IF TRUE THEN ' after THEN
  PRINT "yes" REM after a statement
ELSE // after ELSE
  PRINT "no"
END IF /* after END IF */
PRINT "after"
