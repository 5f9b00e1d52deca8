' expect: Error 4: Syntax error
DIM x AS INTEGER
x =
PRINT "never"
