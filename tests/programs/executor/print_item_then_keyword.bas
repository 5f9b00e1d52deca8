' expect: 5Error 4: Syntax error
DIM x AS INTEGER
x = 5
PRINT x THEN
PRINT "never"
