DIM a, b AS INTEGER
DIM c AS
DIM d INTEGER
a = 
b 5
a = 1 2
IF a = 1 THEN PRINT "one"
END IF
IF a = 1
END IF
FOR a = 1 TO
NEXT
FOR a = 1, 3
NEXT
FOR a 1 TO 3
NEXT
DO UNTIL
LOOP
PRINT a b
PRINT (a < b)
PRINT NOT NOT TRUE
PRINT --a
PRINT 1 < 2 < 3
ELSEIF
INPUT a
THEN
5 + a
END a
' check: 2:9: error: type name expected after AS (BOOLEAN, INTEGER, DOUBLE, STRING, DATE, TIME, DATETIME), found the end of the statement
' check: 3:7: error: AS or ',' expected after [d] in DIM, found type name [INTEGER]
' check: 4:5: error: a value is missing after '='
' check: 5:3: error: '=' expected after [b], found [5]
' check: 6:7: error: unexpected [2] after the expression
' check: 7:15: error: THEN must end its line: there is no one-line IF; put the statement on the next line and close with END IF
' check: 9:9: error: THEN expected after the condition of IF, found the end of the statement
' check: 11:13: error: the TO value of FOR is missing, found the end of the statement
' check: 13:10: error: unexpected ',' in FOR: its parts are cut at the first ','; store a call with several arguments in a variable first
' check: 15:7: error: '=' expected after the loop variable, found [1]
' check: 17:9: error: a condition is missing in DO, found the end of the statement
' check: 19:9: error: unexpected [b] after the expression
' check: 20:10: error: parentheses hold arithmetic only: [<] cannot stand inside ( ); AND and OR already bind more loosely than comparisons
' check: 21:11: error: NOT may stand only once, in front of a comparison
' check: 22:8: error: only one sign may stand in front of a value
' check: 23:13: error: unexpected operator [<] after the expression
' check: 24:1: error: ELSEIF without matching IF
' check: 25:1: error: INPUT is not supported: a program cannot read input
' check: 26:1: error: keyword [THEN] cannot start a statement
' check: 27:1: error: [5] cannot start a statement
' check: 28:5: error: unexpected [a] after END; the statement should end here
