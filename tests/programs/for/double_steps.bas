' Double loop variables, double limits and double steps.
DIM d AS DOUBLE
DIM i AS INTEGER

FOR d = 0 TO 1 STEP 0.25
    PRINT d
NEXT
PRINT "after "; d
' expect: 0
' expect: 0.25
' expect: 0.5
' expect: 0.75
' expect: 1
' expect: after 1.25

FOR d = 1 TO 0 STEP -0.5
    PRINT d
NEXT
PRINT "after "; d
' expect: 1
' expect: 0.5
' expect: 0
' expect: after -0.5

' Ten steps of 0.1 stay just below 1, so 1 is still reached.
FOR d = 0 TO 1 STEP 0.1
    PRINT d
NEXT
PRINT "after "; d
' expect: 0
' expect: 0.1
' expect: 0.2
' expect: 0.3
' expect: 0.4
' expect: 0.5
' expect: 0.6
' expect: 0.7
' expect: 0.8
' expect: 0.9
' expect: 1
' expect: after 1.1

' An integer start and integer step on a double variable.
FOR d = 1 TO 3
    PRINT d
NEXT
PRINT "after "; d
' expect: 1
' expect: 2
' expect: 3
' expect: after 4

' Integer variable, double limit.
FOR i = 1 TO 2.5
    PRINT i
NEXT
PRINT "after "; i
' expect: 1
' expect: 2
' expect: after 3

' Integer variable, double step: the step is rounded when added (1.5 adds 2).
FOR i = 1 TO 6 STEP 1.5
    PRINT i
NEXT
PRINT "after "; i
' expect: 1
' expect: 3
' expect: 5
' expect: after 7

' -2.5 rounds away from zero to -3.
FOR i = 10 TO 5 STEP -2.5
    PRINT i
NEXT
PRINT "after "; i
' expect: 10
' expect: 7
' expect: after 4

' A double start is rounded into the integer variable.
FOR i = 1.5 TO 3
    PRINT i
NEXT
' expect: 2
' expect: 3

' Reaching the limit is judged with the nearly-equal test: three steps of 0.1
' land one unit in the last place above 0.3, which still counts as 0.3.
FOR d = 0 TO 0.3 STEP 0.1
    PRINT d
NEXT
' expect: 0
' expect: 0.1
' expect: 0.2
' expect: 0.3
