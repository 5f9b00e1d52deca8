' expect: Error 4: Syntax error: {'AS' expected in parameter list of function/sub-routine definition.}
PRINT "never"
SUB s(BYREF n INTEGER)
END SUB
