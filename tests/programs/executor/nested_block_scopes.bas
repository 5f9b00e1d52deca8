' Closing a block drops its own variables only: an inner block that declared
' nothing leaves the enclosing block's, and once an inner block's are gone
' each pass of the enclosing loop still drops its own. Parameters and the
' body's first variables stay through all of it.
FUNCTION blocks(BYVAL n AS INTEGER) AS INTEGER
  DIM total AS INTEGER
  DIM i AS INTEGER
  FOR i = 1 TO n
    DIM pass AS INTEGER
    pass = i
    IF i > 1 THEN
      DIM inner AS INTEGER
      inner = 100
      pass = pass + inner
    END IF
    IF i > 0 THEN
      pass = pass + 1
    END IF
    total = total + pass
  NEXT
  IF n > 0 THEN
    total = total + n
  END IF
  RETURN total
END FUNCTION

SUB late(BYVAL k AS INTEGER)
  IF k > 0 THEN
    DIM first AS INTEGER
    first = k
  END IF
  DIM second AS INTEGER
  second = k * 2
  PRINT k; " "; second
END SUB

PRINT blocks(3)
late(4)
DIM j AS INTEGER
FOR j = 1 TO 2
  DIM outer AS INTEGER
  outer = outer + j
  IF j = 2 THEN
    DIM inner AS INTEGER
    inner = 7
  END IF
  PRINT outer
NEXT
DIM outer, inner AS INTEGER
PRINT outer; inner
' expect: 212
' expect: 4 8
' expect: 1
' expect: 2
' expect: 00
