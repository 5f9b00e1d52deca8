DIM i AS INTEGER
FOR i = 1 TO 3
    DO
        IF i > 0 THEN
        END IF
        EXIT DO
    LOOP
NEXT
