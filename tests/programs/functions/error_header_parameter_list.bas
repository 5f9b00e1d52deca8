' expect: Error 4: Syntax error: {Syntax error in parameter list of function/sub-routine definition.}
PRINT "never"
SUB s(BYVAL a AS INTEGER BYVAL b AS INTEGER)
END SUB
