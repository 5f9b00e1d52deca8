' expect: Error 4: Syntax error: {function name expected}
PRINT "never"
FUNCTION abs(BYVAL n AS INTEGER) AS INTEGER
    RETURN n
END FUNCTION
