' Which arguments keep the link to their variable for a BYREF parameter:
' the variable's value itself does, a computed value does not.
SUB inc(BYREF v AS INTEGER)
    v = v + 1
END SUB

DIM a AS INTEGER
a = 1
' abs of a non-negative number and int of an integer return the argument itself.
inc(abs(a))
PRINT a
' expect: 2
inc(int(a))
PRINT a
' expect: 3
inc(((a)))
PRINT a
' expect: 4
' Every operator result is a fresh value.
inc(a * 1)
inc(a \ 1)
inc(a mod 100)
inc(a - 0)
PRINT a
' expect: 4
inc(sign(a))
inc(a ^ 1)
PRINT a
' expect: 4
' abs of a negative number is computed, so it is not linked.
a = -5
inc(abs(a))
PRINT a
' expect: -5

' A double by reference: division and power results are fresh too.
SUB halve(BYREF d AS DOUBLE)
    d = d / 2
END SUB
DIM d AS DOUBLE
d = 8
halve(d / 1)
halve(d ^ 1)
halve(abs(d))
PRINT d
' expect: 4
