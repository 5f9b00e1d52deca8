PRINT "a" ' trailing comment
' full line comment
REM remark line
PRINT "b" REM after a statement
Rem Mixed case
PRINT 10 / 2 // five
/* block */ PRINT "c"
PRINT /* inline */ "d"
PRINT "e /* kept */ ' kept // kept REM kept"
/*/ PRINT "f"
/* a block
over three
lines */ PRINT "g"
PRINT "h"
zz = 1
