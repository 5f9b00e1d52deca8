' Legitimate recursion ten thousand calls deep works.
FUNCTION total(BYVAL n AS INTEGER) AS INTEGER
    IF n = 0 THEN
        RETURN 0
    END IF
    RETURN n + total(n - 1)
END FUNCTION

SUB deepen(BYVAL n AS INTEGER, BYREF reached AS INTEGER)
    reached = n
    IF n < 10000 THEN
        deepen(n + 1, reached)
    END IF
END SUB

PRINT total(10000)
' expect: 50005000

DIM deepest AS INTEGER
deepen(1, deepest)
PRINT deepest
' expect: 10000

' The frames are all closed again: the main program's variables are visible.
PRINT total(100) + deepest
' expect: 15050

' Each level may hold open blocks of its own.
FUNCTION nested(BYVAL n AS INTEGER) AS INTEGER
    DIM i, r AS INTEGER
    IF n = 0 THEN
        RETURN 0
    END IF
    DO WHILE TRUE
        FOR i = 1 TO 1
            IF i = 1 THEN
                r = (nested(n - 1) + 1)
                RETURN r
            END IF
        NEXT
    LOOP
END FUNCTION
PRINT nested(10000)
' expect: 10000
