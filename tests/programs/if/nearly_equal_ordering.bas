' Nearly equal doubles are equal, and so neither less nor greater; <= and >=
' hold both ways.
' expect: equal
' expect: <= and >=
DIM a AS DOUBLE
DIM b AS DOUBLE
a = 0.1 + 0.2
b = 0.3
IF a = b THEN
  PRINT "equal"
END IF
IF a = b AND a > b THEN
  PRINT "equal and greater"
ELSEIF a < b OR b > a THEN
  PRINT "less"
END IF
IF a <= b AND a >= b AND b <= a AND b >= a THEN
  PRINT "<= and >="
END IF
