' Blocks left open are reported at their opening keyword.
DIM i AS INTEGER
FOR i = 1 TO 3
    IF i > 1 THEN
        PRINT i
NEXT i
DO
    PRINT "again"
' check: 3:1: error: FOR without matching NEXT in the main program
' check: 4:5: error: IF without matching END IF in the main program
' check: 6:1: error: NEXT without matching FOR: the IF at line 4 must be closed with END IF first
' check: 7:1: error: DO without matching LOOP in the main program
