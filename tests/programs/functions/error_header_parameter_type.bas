' expect: Error 4: Syntax error: {Data type expected in parameter list of function/sub-routine definition.}
PRINT "never"
SUB s(BYVAL n AS number)
END SUB
