' expect: before
' expect: error_no_variable.bas(5): Error 4: Syntax error (Token: Token {type=integer, value=[1]}): {Loop variable expected after 'FOR'.}
PRINT "before"
DIM i AS INTEGER
FOR 1 = 1 TO 3
NEXT
