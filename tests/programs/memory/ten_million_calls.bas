' A FUNCTION called ten million times from a loop, never recursively: each
' call binds a BYVAL and a BYREF parameter, declares a local variable and
' returns from inside an IF block. The memory check runs it and requires its
' peak resident memory to stay near that of a one-line program.
FUNCTION bump(BYVAL n AS INTEGER, BYREF acc AS INTEGER) AS INTEGER
  DIM t AS INTEGER
  t = n mod 5
  acc = (acc + t) mod 1000003
  IF t = 4 THEN
    RETURN 1
  END IF
  RETURN 0
END FUNCTION

DIM i, fours, sum AS INTEGER
fours = 0
sum = 0
FOR i = 1 TO 10000000
  fours = fours + bump(i, sum)
NEXT i
PRINT fours
PRINT sum
' expect: 2000000
' expect: 999943
