' END inside a function called from an expression ends the whole program,
' also from a few calls deep inside loops.
' expect: start
' expect: depth 3
FUNCTION dive(BYVAL n AS INTEGER) AS INTEGER
    DIM i AS INTEGER
    FOR i = 1 TO 2
        IF n = 3 THEN
            PRINT "depth "; n
            END
        END IF
        RETURN dive(n + 1)
    NEXT
    RETURN 0
END FUNCTION
DIM x AS INTEGER
PRINT "start"
x = dive(1)
PRINT "never"
