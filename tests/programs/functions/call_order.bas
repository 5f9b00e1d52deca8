' Functions may be called before their definition, and may call functions
' defined after them; SUBs run as statements; results may be dropped.
PRINT twice(21)
' expect: 42
PRINT quadruple(5)
' expect: 20
greet("world")
' expect: hello, world
hello()
' expect: hello without arguments
twice(1)
PRINT Twice(2) + TWICE(3)
' expect: 10

DIM i AS INTEGER
FOR i = 1 TO twice(2) STEP twice(1)
    PRINT i
NEXT
' expect: 1
' expect: 3

IF twice(2) = 4 THEN
    PRINT "condition"
END IF
' expect: condition

FUNCTION quadruple(BYVAL n AS INTEGER) AS INTEGER
    RETURN twice(twice(n))
END FUNCTION

FUNCTION twice(BYVAL n AS INTEGER) AS INTEGER
    RETURN n * 2
END FUNCTION

SUB greet(BYVAL who AS STRING)
    PRINT "hello, "; who
END SUB

Sub Hello()
    PRINT "hello without arguments"
End Sub

' Results of every type.
FUNCTION shout(BYVAL word AS STRING) AS STRING
    RETURN word + "!"
END FUNCTION
FUNCTION positive(BYVAL x AS DOUBLE) AS BOOLEAN
    RETURN x > 0
END FUNCTION
FUNCTION third(BYVAL x AS DOUBLE) AS DOUBLE
    RETURN x / 3
END FUNCTION
PRINT shout("hey"); " "; positive(-0.5); " "; third(1.5)
' expect: hey! False 0.5

' A variable may carry the name of a function: only a name followed by "(" is a call.
DIM twice AS INTEGER
twice = twice(4) + 1
PRINT twice
' expect: 9

' The main program goes on between and after definitions.
PRINT "last"
' expect: last
