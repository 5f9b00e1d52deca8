' Statements that cut their expressions at the first ','.
FUNCTION larger(BYVAL x AS INTEGER, BYVAL y AS INTEGER) AS INTEGER
    IF x > y THEN
        RETURN x
    END IF
    RETURN larger(y, x)
END FUNCTION
DIM m AS INTEGER
m = larger(1, 2)
PRINT larger(1, 2)
IF larger(1, 2) > 1 THEN
    PRINT m
END IF
DO WHILE larger(m, 2) < 1
LOOP
FOR m = 1 TO larger(1, 2)
NEXT
PRINT left("abc", 2); mid("abc", 1, 1)
' check: 6:20: error: a call with several arguments cannot stand in RETURN: the expression is cut at the first ','; store the result of [larger] in a variable first
' check: 10:15: error: a call with several arguments cannot stand in PRINT: the expression is cut at the first ','; store the result of [larger] in a variable first
' check: 11:12: error: a call with several arguments cannot stand in IF: the expression is cut at the first ','; store the result of [larger] in a variable first
' check: 14:18: error: a call with several arguments cannot stand in DO: the expression is cut at the first ','; store the result of [larger] in a variable first
' check: 16:22: error: a call with several arguments cannot stand in FOR: the expression is cut at the first ','; store the result of [larger] in a variable first
' check: 18:17: error: a call with several arguments cannot stand in PRINT: the expression is cut at the first ','; store the result of [left] in a variable first
