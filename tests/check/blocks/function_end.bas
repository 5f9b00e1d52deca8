' A FUNCTION must not be able to reach its end without RETURN.
FUNCTION sign3(BYVAL n AS INTEGER) AS INTEGER
    IF n > 0 THEN
        RETURN 1
    ELSEIF n < 0 THEN
        RETURN -1
    END IF
END FUNCTION
FUNCTION always(BYVAL n AS INTEGER) AS INTEGER
    IF n > 0 THEN
        RETURN 1
    ELSE
        RETURN 0
    END IF
END FUNCTION
FUNCTION forever(BYVAL n AS INTEGER) AS INTEGER
    DO
        n = n + 1
        IF n > 10 THEN
            RETURN n
        END IF
    LOOP
END FUNCTION
FUNCTION leaves(BYVAL n AS INTEGER) AS INTEGER
    DO
        EXIT DO
    LOOP
END FUNCTION
PRINT sign3(1) + always(1) + forever(1) + leaves(1)
' check: 8:1: error: FUNCTION [sign3] can reach END FUNCTION without RETURN
' check: 28:1: error: FUNCTION [leaves] can reach END FUNCTION without RETURN
