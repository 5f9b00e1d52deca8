DIM i AS INTEGER
DIM x AS DOUBLE
DIM s AS STRING
DIM b AS BOOLEAN
DIM d AS DATE
i = "12"
s = 5
b = 1
x = TRUE
d = 1
i = s + 1
i = -s
b = NOT i
b = b AND i
b = s < 1
x = s * 2
x = s MOD 2
x = 2 ^ s
PRINT s = 1
IF s THEN
END IF
DO UNTIL x
LOOP
FOR s = 1 TO 3
NEXT
FOR i = "a" TO 3
NEXT
PRINT left(1, 2); instr("a", 1)
x = sqrt("4")
FUNCTION half(BYVAL n AS INTEGER) AS DOUBLE
    RETURN "half"
END FUNCTION
FUNCTION third(BYVAL n AS INTEGER) AS DOUBLE
    RETURN n
END FUNCTION
PRINT half(1) + third(2)
' check: 6:5: error: cannot assign STRING to [i], which is INTEGER; use str() or val() to convert
' check: 7:5: error: cannot assign INTEGER to [s], which is STRING; use str() or val() to convert
' check: 8:5: error: cannot assign INTEGER to [b], which is BOOLEAN
' check: 9:5: error: cannot assign BOOLEAN to [x], which is DOUBLE
' check: 10:5: error: cannot assign INTEGER to [d], which is DATE
' check: 11:7: error: operator [+] cannot join STRING and INTEGER
' check: 12:5: error: operator [-] cannot be used on STRING
' check: 13:5: error: NOT needs a BOOLEAN, not INTEGER
' check: 14:7: error: [AND] needs BOOLEAN on both sides, not BOOLEAN and INTEGER
' check: 15:7: error: cannot compare STRING with INTEGER using [<]
' check: 16:7: error: operator [*] cannot join STRING and INTEGER
' check: 17:7: error: operator [MOD] cannot join STRING and INTEGER
' check: 18:7: error: operator [^] cannot join INTEGER and STRING
' check: 20:4: error: the condition of IF must be BOOLEAN, not STRING
' check: 22:10: error: the condition of DO must be BOOLEAN, not DOUBLE (compare it: n <> 0)
' check: 24:5: error: the loop variable [s] must be INTEGER or DOUBLE, not STRING
' check: 26:9: error: the start value of FOR must be a number, not STRING
' check: 28:13: error: a call with several arguments cannot stand in PRINT: the expression is cut at the first ','; store the result of [left] in a variable first
' check: 29:10: error: [sqrt] expects a number, not STRING
' check: 31:12: error: FUNCTION [half] must return DOUBLE, not STRING (no conversion is made)
' check: 34:12: error: FUNCTION [third] must return DOUBLE, not INTEGER (no conversion is made)
