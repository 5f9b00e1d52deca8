' A LOOP condition sees the body's variables declared before the first
' CONTINUE DO; a DO condition sees none of them.
DIM c AS INTEGER
DO
    DIM seen AS INTEGER
    c = c + 1
    seen = c
    IF c < 2 THEN
        CONTINUE DO
    END IF
    DIM unseen AS INTEGER
    unseen = c
LOOP UNTIL seen > 3 AND unseen > 3
DO WHILE body < 3
    DIM body AS INTEGER
    body = 5
LOOP
' check: 13:25: error: [unseen] (declared at line 11) is not declared yet when the loop's test runs after CONTINUE DO
' check: 14:10: error: undefined variable [body]: its DIM comes later, at line 15
