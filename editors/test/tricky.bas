' Lines a highlighter easily gets wrong; tricky.classes lists what each word is.
Dim remark As Integer
remark = 1 REM the rest is a comment: PRINT "no"
DIM rem1 AS INTEGER : rem1 = 2 rem rem1 is a name, this rem is not
x_rem = 3
PRINT "a // b" // c is a comment, "a // b" is not
PRINT "it's" ' a quote inside a string
/* a block comment
   spanning lines, PRINT "inside" */ PRINT 1.5e-3; 2.; .5; 1E+5; 42
IF remark = 1 THEN
END     IF
If x Then : End	If
do While x < 3 : LoOp UnTiL x > 4
FOR i = 1 TO 10 STEP 2 : EXIT   FOR : CONTINUE FOR : NEXT i
DO : EXIT DO : CONTINUE DO : LOOP WHILE x : DO UNTIL y : LOOP
a = 7 MOD 3 % 2 AND NOT b OR c <> d <= e >= f == g ^ h \ i / j * k - l + m
print_total = step_size
x_to_y = if_x + exit + x_if + x2_1
DIM d AS DATE : DIM t AS TIME : DIM dt AS DATETIME : DIM s AS STRING : DIM b AS BOOLEAN : DIM f AS DOUBLE
s = ucase(mid(s, 1, 2)) + str(len(s)) + myFunc(1) + isNumeric("1")
b = TRUE Or false
FUNCTION myFunc(BYVAL n AS INTEGER) AS INTEGER
    RETURN n
END FUNCTION
Sub mySub(BYREF n AS INTEGER)
    INPUT n
end   sub
rem /* a block comment opened in a REM comment
   runs on */ PRINT "still a comment"
PRINT 1 /*/ PRINT 2
s = "unclosed
LET x = 1 : GOTO : GOSUB
? "short print" : END
PRINT 1rem
PRINT x // c /* not a block
PRINT 3
