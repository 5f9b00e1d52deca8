' expect: in f
' expect: error_function_without_return.bas(5): Error 4: Syntax error (Token: Token {type=command, value=[endfunction]}): {Function exits without 'RETURN'.}
FUNCTION f() AS INTEGER
    PRINT "in f"
END FUNCTION
DIM x AS INTEGER
x = f()
