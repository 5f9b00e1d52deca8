' A loop condition is computed again from its tokens at every test, calls included.
FUNCTION tick(BYREF c AS INTEGER) AS INTEGER
    c = c + 1
    RETURN c
END FUNCTION

DIM calls, passes AS INTEGER
DO WHILE tick(calls) < 4
    passes = passes + 1
LOOP
PRINT "top: calls "; calls; ", passes "; passes
' expect: top: calls 4, passes 3

calls = 0
passes = 0
DO
    passes = passes + 1
LOOP UNTIL tick(calls) = 5
PRINT "bottom: calls "; calls; ", passes "; passes
' expect: bottom: calls 5, passes 5

' CONTINUE DO runs the test too.
calls = 0
passes = 0
DO
    passes = passes + 1
    IF passes < 10 THEN
        CONTINUE DO
    END IF
LOOP WHILE tick(calls) < 3
PRINT "continue: calls "; calls; ", passes "; passes
' expect: continue: calls 3, passes 3
