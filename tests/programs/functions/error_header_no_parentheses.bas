' expect: Error 4: Syntax error: {function name expected}
PRINT "never"
SUB greet
    PRINT "hello"
END SUB
