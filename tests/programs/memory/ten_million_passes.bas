' A FOR loop of ten million passes whose body declares a variable, builds
' a string longer than any inline buffer, opens and closes an IF block and
' a DO loop on every pass. The memory check runs it and requires its peak
' resident memory to stay near that of a one-line program.
DIM i, total AS INTEGER
DIM s AS STRING
total = 0
FOR i = 1 TO 10000000
  DIM k AS INTEGER
  k = i mod 7
  IF k = 3 THEN
    s = "abcdefghijklmnopqrstuvwxyz" + "0123456789"
    total = (total + len(s)) mod 1000003
  ELSE
    total = (total + k) mod 1000003
  END IF
  DO WHILE k > 4
    k = k - 1
  LOOP
NEXT i
PRINT total
PRINT s
' expect: 142642
' expect: abcdefghijklmnopqrstuvwxyz0123456789
