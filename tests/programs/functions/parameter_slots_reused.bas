' Calls at the same depth reuse one frame's slots: each definition's
' parameter names stay in them between its calls, and a local or another
' definition's parameter that takes a slot renames it. The names must be
' right again at the next call: a local may take a name a parameter had
' before, and a parameter's name stays taken.
FUNCTION twice(BYVAL n AS INTEGER) AS INTEGER
  DIM x AS INTEGER
  x = n * 2
  RETURN x
END FUNCTION

SUB local()
  DIM x AS STRING
  x = "local"
  PRINT x
END SUB

FUNCTION named(BYVAL x AS INTEGER, BYVAL n AS STRING) AS STRING
  RETURN n + str(twice(x))
END FUNCTION

' More parameters than are bound in one pass: bound one by one instead.
SUB wide(BYVAL x AS INTEGER, BYVAL p2 AS INTEGER, BYVAL p3 AS INTEGER, BYVAL p4 AS INTEGER, BYVAL p5 AS INTEGER, BYVAL p6 AS INTEGER, BYVAL p7 AS INTEGER, BYVAL p8 AS INTEGER, BYVAL p9 AS INTEGER, BYVAL p10 AS INTEGER, BYVAL p11 AS INTEGER, BYVAL p12 AS INTEGER, BYVAL p13 AS INTEGER, BYVAL p14 AS INTEGER, BYVAL p15 AS INTEGER, BYVAL p16 AS INTEGER)
  PRINT x + p16
END SUB

SUB probe(BYVAL n AS INTEGER)
  IF n > 0 THEN
    DIM n AS INTEGER
  END IF
  PRINT "probed"
END SUB

DIM s AS STRING
PRINT twice(4)
local()
PRINT twice(5)
s = named(3, "x=")
PRINT s
PRINT twice(6)
wide(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16)
PRINT twice(7)
probe(0)
local()
probe(1)
' expect: 8
' expect: local
' expect: 10
' expect: x=6
' expect: 12
' expect: 17
' expect: 14
' expect: probed
' expect: local
' expect: parameter_slots_reused.bas(30): Error 10: Duplicate definition (Token: Token {type=command, value=[endif]}): {Variable [n] already defined.}
