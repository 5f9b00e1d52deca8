DIM i, j AS INTEGER
END IF
FOR i = 1 TO 2
    FOR j = 1 TO 2
    NEXT i
NEXT j
LOOP
ELSE
IF i = 1 THEN
    PRINT "one"
ELSE
    PRINT "other"
ELSE
    PRINT "again"
ELSEIF i = 2 THEN
END IF
NEXT
' check: 2:1: error: END IF without matching IF
' check: 5:10: error: NEXT i closes the FOR j at line 4; inner loops close first
' check: 6:6: error: NEXT j closes the FOR i at line 3; inner loops close first
' check: 7:1: error: LOOP without matching DO
' check: 8:1: error: ELSE without matching IF
' check: 13:1: error: a second ELSE in the same IF
' check: 15:1: error: ELSEIF after ELSE (line 9 opens this IF)
' check: 17:1: error: NEXT without matching FOR
