' expect: 1
' expect: if_else_inside_for.bas(8): Error 4: Syntax error (Token: Token {type=command, value=[print]}): {'ELSE' without previous matching 'IF'.}
DIM i AS INTEGER
IF TRUE THEN
  FOR i = 1 TO 2
    PRINT i
ELSE
  PRINT "no"
END IF
