' Parameters read and written at every depth of a recursion, beside
' variables declared in different orders, a BYREF parameter handed down,
' and a function whose local has the name of another function's parameter.
' (Calls with two arguments stand in assignments: RETURN and PRINT cut
' their expressions at the first ",".)
FUNCTION walk(BYVAL depth AS INTEGER, BYREF total AS INTEGER) AS INTEGER
  DIM result AS INTEGER
  IF depth mod 2 = 0 THEN
    DIM even AS INTEGER
    even = depth * 10
    total = total + even
  ELSE
    DIM odd AS INTEGER
    odd = depth
    total = total + odd
  END IF
  result = depth
  IF depth > 0 THEN
    depth = depth - 1
    result = walk(depth, total) + depth + 1
  END IF
  RETURN result
END FUNCTION

FUNCTION inner(BYVAL a AS INTEGER, BYVAL b AS STRING) AS STRING
  RETURN b + str(a)
END FUNCTION

FUNCTION outer(BYVAL b AS STRING) AS STRING
  DIM a AS INTEGER
  DIM s AS STRING
  a = len(b)
  s = inner(a * 2, b + "/") + ":" + b + str(a)
  RETURN s
END FUNCTION

DIM sum, depth, r AS INTEGER
DIM t AS STRING
sum = 0
depth = 100
r = walk(5, sum)
PRINT r; " "; sum; " "; depth
PRINT outer("xy")
t = inner(7, outer("z"))
PRINT t
' expect: 15 69 100
' expect: xy/4:xy2
' expect: z/2:z17
