' A FUNCTION without END FUNCTION that runs off its end has no RETURN.
' expect: in f
' expect: error_missing_end_function.bas(6): Error 4: Syntax error (Token: Token {type=delimeter, value=[EOL]}): {Function exits without 'RETURN'.}
DIM x AS INTEGER
x = 5
x = f()
FUNCTION f() AS INTEGER
    PRINT "in f"
