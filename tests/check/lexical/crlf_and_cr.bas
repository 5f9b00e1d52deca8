PRINT 1
PRINT missing
PRINT 2PRINT gone
' check: 2:7: error: undefined variable [missing]; declare it first: DIM missing AS type
' check: 4:7: error: undefined variable [gone]; declare it first: DIM gone AS type
