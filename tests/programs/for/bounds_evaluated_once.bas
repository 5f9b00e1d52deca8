' The limit and the step are computed once; the body may move the variable.
DIM i, n, s, calls AS INTEGER
n = 3
s = 1
FOR i = 1 TO n STEP s
    PRINT i
    n = 10
    s = 5
NEXT
PRINT "after "; i
' expect: 1
' expect: 2
' expect: 3
' expect: after 4

FOR i = 1 TO 20
    PRINT i
    i = i * 2
NEXT
PRINT "after "; i
' expect: 1
' expect: 3
' expect: 7
' expect: 15
' expect: after 31

' A step of 0 never ends by itself.
DIM count AS INTEGER
count = 0
FOR i = 1 TO 1 STEP 0
    count = count + 1
    IF count = 3 THEN
        EXIT FOR
    END IF
NEXT
PRINT "passes "; count; ", i "; i
' expect: passes 3, i 1

' A function in the header runs once per FOR statement, not once per pass.
FUNCTION tick(BYREF c AS INTEGER) AS INTEGER
    c = c + 1
    RETURN c
END FUNCTION
calls = 0
FOR i = tick(calls) TO tick(calls) * 2 STEP tick(calls)
    PRINT i
NEXT
PRINT "calls "; calls; ", i "; i
' expect: 1
' expect: 4
' expect: calls 3, i 7
