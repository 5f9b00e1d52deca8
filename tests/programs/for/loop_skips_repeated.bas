' Loops skipped or left on some passes and run on others: every jump lands
' past the same NEXT or LOOP line as the first scan found.
DIM i, j, k, count AS INTEGER
count = 0
FOR i = 1 TO 4
  FOR j = 3 TO i
    FOR k = 1 TO 2
      count = count + 1
    NEXT k
  NEXT j
  PRINT "i"; i; " count"; count
NEXT i
FOR i = 1 TO 3
  FOR j = 1 TO 10
    IF j = i THEN
      EXIT FOR
    END IF
  NEXT j
  k = 0
  DO WHILE k < i - 1
    k = k + 1
    IF k = 2 THEN
      EXIT DO
    END IF
  LOOP
  PRINT "j"; j; " k"; k
NEXT i
' expect: i1 count0
' expect: i2 count0
' expect: i3 count2
' expect: i4 count6
' expect: j1 k0
' expect: j2 k1
' expect: j3 k2
