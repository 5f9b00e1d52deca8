' A SUB has no return type.
' expect: Error 4: Syntax error: {EOL expected at the end of function/sub-routine definition.}
PRINT "never"
SUB s() AS INTEGER
END SUB
