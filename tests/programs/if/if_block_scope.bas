' expect: 5
' expect: again
' expect: 2
' expect: 7
' expect: 3.5
' expect: 2
' expect: 1s
DIM n AS INTEGER
n = 1
IF TRUE THEN
  DIM inner AS INTEGER
  inner = 5
  PRINT inner
  n = 2
END IF
DIM inner AS STRING
inner = "again"
PRINT inner
PRINT n
IF FALSE THEN
  DIM k AS INTEGER
ELSE
  DIM k AS INTEGER
  k = 7
  PRINT k
END IF
IF n = 2 THEN
  DIM k AS DOUBLE
  k = 3.5
  PRINT k
END IF
IF TRUE THEN
  DIM o AS INTEGER
  o = 1
  IF TRUE THEN
    DIM i2 AS INTEGER
    i2 = o + 1
    PRINT i2
  END IF
  DIM i2 AS STRING
  i2 = "s"
  PRINT o; i2
END IF
