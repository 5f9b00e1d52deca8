' Valid corners of the language: no finding at all.
FUNCTION pick(BYVAL flag AS BOOLEAN) AS STRING
    IF flag THEN
        DIM word AS STRING
        word = "yes"
        RETURN word
    ELSE
        DIM word AS STRING
        word = "no"
        RETURN word
    END IF
END FUNCTION
SUB bump(BYREF n AS INTEGER)
    n = n + 1
END SUB
FUNCTION half(BYVAL x AS DOUBLE) AS DOUBLE
    RETURN x / 2
END FUNCTION
DIM i, total AS INTEGER
DIM ratio AS DOUBLE
FOR i = 1 TO 3
    DIM square AS INTEGER
    square = i * i
    total = total + square
NEXT i
DO
    DIM step1 AS INTEGER
    step1 = total MOD 7
    total = total + 1
LOOP UNTIL step1 = 0
bump(total)
bump((total))
ratio = 7 / 2
ratio = half(ratio) + total / 3
i = ratio
PRINT pick(total > 3); " "; i; " "; ratio, len(str(ratio)) : PRINT
IF NOT total = 3 AND 1 < 2 OR FALSE THEN
    PRINT "-2 ^ 2 = "; -2 ^ 2; 2 ^ -1; 7 \ 2 * 3; pi * 2
END IF
Let total = 5
PRINT abs (-3)
