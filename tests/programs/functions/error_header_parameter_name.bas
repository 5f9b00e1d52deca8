' expect: Error 4: Syntax error: {Parameter name expected in parameter list of function/sub-routine definition.}
PRINT "never"
SUB s(BYVAL AS INTEGER)
END SUB
