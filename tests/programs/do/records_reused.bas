' Blocks opened one after another at the same depth, and loops entered
' again: each starts with nothing of the block that stood there before
' (its bottom condition, its end, its limit and step, its chosen branch).
DIM i, k, n AS INTEGER
DIM out AS STRING
out = ""
FOR i = 1 TO 3
  k = 0
  DO
    k = k + 1
  LOOP UNTIL k >= i
  out = out + str(k)
  DO WHILE k > 10
    out = out + "never"
  LOOP
  n = 0
  DO
    n = n + 1
    IF n = i THEN
      EXIT DO
    END IF
  LOOP
  out = out + str(n)
  FOR k = 10 TO 1 STEP -(i * 3)
    out = out + "."
  NEXT
  IF i = 2 THEN
    out = out + "a"
  ELSEIF i = 3 THEN
    out = out + "b"
  ELSE
    out = out + "c"
  END IF
  out = out + "|"
NEXT
PRINT out
' expect: 11....c|22..a|33..b|
