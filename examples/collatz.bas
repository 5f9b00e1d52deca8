' collatz.bas - the 3n + 1 problem.
'
' Start from a number; halve it when it is even, otherwise take 3n + 1; stop
' at 1. Nobody has proved that every start gets there, but every start that
' has been tried does.

FUNCTION countSteps(BYVAL n AS INTEGER, BYREF peak AS INTEGER) AS INTEGER
    ' n is BYVAL: changing it here leaves the caller's variable alone.
    ' peak is BYREF: the highest value reached is handed back through it.
    DIM count AS INTEGER
    peak = n
    DO WHILE n <> 1
        IF n mod 2 = 0 THEN
            n = n \ 2
        ELSE
            n = 3 * n + 1
        END IF
        IF n > peak THEN
            peak = n
        END IF
        count = count + 1
    LOOP
    RETURN count
END FUNCTION

SUB showPath(BYVAL n AS INTEGER)
    PRINT n;
    DO UNTIL n = 1
        IF n mod 2 = 0 THEN
            n = n \ 2
        ELSE
            n = 3 * n + 1
        END IF
        PRINT " "; n;
    LOOP
    PRINT
END SUB

DIM n, s, peak, best, bestSteps AS INTEGER

showPath(6)
showPath(7)
PRINT

PRINT "start", "steps", "peak"
FOR n = 1 TO 10
    s = countSteps(n, peak)
    PRINT n, s, peak
NEXT n
PRINT

best = 1
bestSteps = 0
FOR n = 1 TO 999
    s = countSteps(n, peak)
    IF s > bestSteps THEN
        best = n
        bestSteps = s
    END IF
NEXT n
s = countSteps(best, peak)
PRINT "Below 1000, "; best; " takes the most steps: "; bestSteps; ", climbing to "; peak; "."
