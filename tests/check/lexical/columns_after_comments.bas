/* A block comment over
   three lines does not move
   the columns or lines */ PRINT nothing
	PRINT	"tab"; also_nothing
' check: 3:34: error: undefined variable [nothing]; declare it first: DIM nothing AS type
' check: 4:15: error: undefined variable [also_nothing]; declare it first: DIM also_nothing AS type
