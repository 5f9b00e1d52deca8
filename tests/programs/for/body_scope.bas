' A DIM in the body runs on every pass and starts from the default value;
' the variable is gone once the loop ends.
DIM i AS INTEGER
FOR i = 1 TO 3
    DIM t AS INTEGER
    DIM s AS STRING
    PRINT t; "["; s; "]"
    t = i * 10
    s = "x"
NEXT
' expect: 0[]
' expect: 0[]
' expect: 0[]

DIM t AS STRING
t = "t again"
PRINT t
' expect: t again

' Blocks do not shadow: a name of the enclosing frame cannot be declared in the body.
FOR i = 1 TO 2
    PRINT "pass "; i
    DIM t AS INTEGER
NEXT
' expect: pass 1
' expect: body_scope.bas(24): Error 10: Duplicate definition (Token: Token {type=command, value=[next]}): {Variable [t] already defined.}
