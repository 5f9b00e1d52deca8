' expect: Error 4: Syntax error: {BYREF/BYVAL expected in function/sub-routine definition.}
PRINT "never"
FUNCTION f(n AS INTEGER) AS INTEGER
    RETURN n
END FUNCTION
