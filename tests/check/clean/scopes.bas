' Scopes as the interpreter keeps them: each IF branch is a block of its
' own, a loop body starts afresh on every pass, and a LOOP test sees the
' body's variables declared before any CONTINUE DO.
DIM n AS INTEGER
DO
    DIM seen AS INTEGER
    seen = n
    n = n + 1
    IF n < 3 THEN
        CONTINUE DO
    END IF
LOOP UNTIL seen >= 2
IF n > 2 THEN
    DIM label AS STRING
    label = "big"
    PRINT label
ELSE
    DIM label AS STRING
    label = "small"
    PRINT label
END IF
DIM label AS STRING
label = "after"
PRINT label; n
