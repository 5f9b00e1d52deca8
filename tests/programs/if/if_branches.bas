' expect: t1
' expect: after false if
' expect: t2
' expect: e3
' expect: ei4
' expect: ei5
' expect: e6
' expect: after no branch
' expect: t7
' expect: big
' expect: middle
' expect: flag off
DIM n AS INTEGER
DIM flag AS BOOLEAN
IF TRUE THEN
  PRINT "t1"
END IF
IF FALSE THEN
  PRINT "no"
END IF
PRINT "after false if"
IF TRUE THEN
  PRINT "t2"
ELSE
  PRINT "no"
END IF
IF FALSE THEN
  PRINT "no"
ELSE
  PRINT "e3"
END IF
IF FALSE THEN
  PRINT "no"
ELSEIF TRUE THEN
  PRINT "ei4"
ELSE
  PRINT "no"
END IF
IF FALSE THEN
ELSEIF FALSE THEN
  PRINT "no"
ELSEIF 1 < 2 THEN
  PRINT "ei5"
ELSEIF TRUE THEN
  PRINT "no"
ELSE
  PRINT "no"
END IF
IF FALSE THEN
  PRINT "no"
ELSEIF FALSE THEN
  PRINT "no"
ELSE
  PRINT "e6"
END IF
IF FALSE THEN
  PRINT "no"
ELSEIF FALSE THEN
  PRINT "no"
END IF
PRINT "after no branch"
IF TRUE THEN
  PRINT "t7"
ELSEIF TRUE THEN
  PRINT "no"
ELSE
  PRINT "no"
END IF
IF TRUE THEN
ELSE
  PRINT "no"
END IF
n = 12
IF n > 10 THEN
  PRINT "big"
ELSEIF n > 5 THEN
  PRINT "no"
END IF
n = 7
IF n > 10 THEN
  PRINT "no"
ELSEIF n > 5 AND n <> 6 THEN
  PRINT "middle"
ELSE
  PRINT "no"
END IF
IF flag THEN
  PRINT "no"
ELSEIF NOT flag THEN
  PRINT "flag off"
END IF
