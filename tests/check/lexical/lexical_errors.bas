' Every lexical error is reported, each at its own line and column.
DIM total AS INTEGER
total = 12ab
total = 3000000000
PRINT total # 2
PRINT "never closed
PRINT "fine"
