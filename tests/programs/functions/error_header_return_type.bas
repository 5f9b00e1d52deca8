' expect: Error 4: Syntax error: {Data type expected in return type definition of function.}
PRINT "never"
FUNCTION f() AS number
    RETURN 1
END FUNCTION
