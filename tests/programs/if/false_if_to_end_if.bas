' expect: 10
' expect: 20
' expect: 30
' expect: false_if_to_end_if.bas(18): Error 4: Syntax error (Token: Token {type=integer, value=[5]}): {End of statement expected after 'END IF'.}
' A false IF whose scan lands on END IF: that line is still checked, and the
' loop body's scope is as deep as with the block opened.
DIM i AS INTEGER
FOR i = 1 TO 3
  IF i > 5 THEN
    PRINT "never"
  END IF
  DIM k AS INTEGER
  k = i * 10
  PRINT k
NEXT i
IF FALSE THEN
  PRINT "never"
END IF 5
PRINT "not reached"
