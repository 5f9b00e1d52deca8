	DIM	x	AS	INTEGER	
	x	=	4	*	2	
	PRINT	x	;	"	t"
