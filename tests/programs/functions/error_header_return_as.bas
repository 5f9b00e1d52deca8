' expect: Error 4: Syntax error: {'AS' expected in return type definition of function.}
PRINT "never"
FUNCTION f(BYVAL n AS INTEGER)
    RETURN n
END FUNCTION
