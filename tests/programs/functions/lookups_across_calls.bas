' What a name finds before a call it finds again after the call returns,
' while every call's own variables of the same names stay its own: the
' same tokens are read in the caller, in the callee and in the caller again.
FUNCTION inside(BYVAL n AS INTEGER) AS STRING
  DIM s AS STRING
  s = "<" + str(n)
  IF n > 0 THEN
    ' s after the call is this call's s; the callee's s was another variable.
    s = inside(n - 1) + s
  END IF
  RETURN s + ">"
END FUNCTION

FUNCTION shadow(BYVAL x AS STRING) AS STRING
  DIM total AS STRING
  total = x + x
  RETURN total
END FUNCTION

SUB bump(BYREF target AS INTEGER, BYVAL times AS INTEGER)
  DIM i AS INTEGER
  FOR i = 1 TO times
    target = target + 1
  NEXT
END SUB

PRINT inside(3)
' expect: <0><1><2><3>

' The caller's x, total and i read in a loop around calls whose frames hold
' variables of the same names and of other types.
DIM x, total, i AS INTEGER
x = 5
total = 0
FOR i = 1 TO 3
  total = total + x * i + len(shadow(str(i)))
  bump(total, i)
  IF i = 2 THEN
    ' A block's own variable, read before and after a call, goes with the block.
    DIM y AS STRING
    y = "y"
    y = y + shadow(y) + y
    PRINT y
  END IF
NEXT
PRINT total; " "; x; " "; i
' expect: yyyy
' expect: 42 5 4
DIM y AS INTEGER
y = 7
PRINT y + len(shadow("ab"))
' expect: 11
