' Definitions are collected while the file loads, before anything runs;
' names are not case-sensitive and FUNCTION and SUB share one name space.
' expect: Error 10: Duplicate definition: {function/sub-routine [twice] already defined.}
PRINT "never"
FUNCTION Twice(BYVAL n AS INTEGER) AS INTEGER
    RETURN n * 2
END FUNCTION
SUB TWICE()
END SUB
