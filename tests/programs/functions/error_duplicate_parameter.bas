' Parameter names are checked when the call binds them.
' expect: before
' expect: error_duplicate_parameter.bas(8): Error 10: Duplicate definition (Token: Token {type=delimeter, value=[EOL]}): {Variable [a] already defined.}
SUB pair(BYVAL a AS INTEGER, BYVAL a AS INTEGER)
    PRINT "never"
END SUB
PRINT "before"
pair(1, 2)
