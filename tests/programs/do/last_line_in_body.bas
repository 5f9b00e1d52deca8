' Loops whose LOOP line ends a SUB or FUNCTION body, left every way.
SUB firstPass()
  DO
    PRINT "first"
    CONTINUE DO
  LOOP WHILE FALSE
END SUB
SUB exitBeforeLoop()
  DO
    PRINT "exit"
    EXIT DO
  LOOP
END SUB
FUNCTION laterPass() AS INTEGER
  DIM n AS INTEGER
  n = 0
  DO
    n = n + 1
    IF n = 2 THEN
      CONTINUE DO
    END IF
  LOOP UNTIL n = 2
  RETURN n
END FUNCTION
SUB loopTest()
  DIM k AS INTEGER
  k = 0
  DO
    k = k + 1
  LOOP WHILE k < 3
  PRINT "k"; k
END SUB
firstPass()
exitBeforeLoop()
PRINT laterPass()
loopTest()
PRINT "end"
' expect: first
' expect: exit
' expect: 2
' expect: k3
' expect: end
