' expect: 000
' expect: 0
' expect: |
' expect: False
' expect: <>
' expect: 3
' expect: -3
' expect: 0
' expect: 4
' expect: 2147483648
' expect: 4294967294
' expect: -2147483648
' expect: hiTrue
' expect: 10
' expect: 11
' expect: 2.5
' expect: 1
DIM a, b, c AS INTEGER
DIM d AS DOUBLE
DIM s AS STRING
DIM f AS BOOLEAN
DIM t AS DATE
DIM tm AS TIME
DIM dt AS DATETIME
PRINT a; b; c
PRINT d
PRINT s; "|"
PRINT f
PRINT "<"; t; tm; dt; ">"
a = 2.5
PRINT a
LET b = -2.5
PRINT b
Let c = 0.49
PRINT c
a = 7
a = a / 2
PRINT a
d = 2147483647
PRINT d + 1
d = d * 2
PRINT d
a = -2147483648.0
PRINT a
s = "hi"
f = TRUE
PRINT s; f
let a = 10
PRINT a
a = a + 1
PRINT a
d = 5 / 2
PRINT d
DIM letter AS INTEGER
letter = 1
PRINT letter
