' expect: in f
' expect: error_return_without_value.bas(5): Error 4: Syntax error (Token: Token {type=delimeter, value=[EOL]}): {'RETURN' of a function without return value.}
FUNCTION f() AS INTEGER
    PRINT "in f"
    RETURN
END FUNCTION
PRINT f()
