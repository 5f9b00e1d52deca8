' A variable within 4 units in the last place of the limit has reached it,
' whichever way the loop counts: one more pass either way.
' expect: down 0.3
' expect: up 0.3
DIM x AS DOUBLE
FOR x = 0.3 TO 0.1 + 0.2 STEP -1
  PRINT "down "; x
NEXT
FOR x = 0.1 + 0.2 TO 0.3
  PRINT "up "; x
NEXT
