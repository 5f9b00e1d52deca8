DIM n AS INTEGER
EXIT FOR
CONTINUE DO
DO WHILE n < 3
    n = n + 1
LOOP UNTIL n = 3
FOR n = 1 TO 2
    EXIT DO
NEXT
SUB helper()
    EXIT FOR
END SUB
helper()
' check: 2:1: error: EXIT FOR outside a FOR loop
' check: 3:1: error: CONTINUE DO outside a DO loop
' check: 6:1: error: this DO loop has a condition on both ends (the DO at line 4 has one); keep one
' check: 8:5: error: EXIT DO outside a DO loop
' check: 11:5: error: EXIT FOR outside a FOR loop of this definition
