' Reading a main-program variable in a RETURN expression fails as well; the
' report names the token after the expression.
' expect: error_main_variable_read.bas(8): Error 11: undefined variable (Token: Token {type=delimeter, value=[EOL]}): {Undefined variable [secret].}
DIM secret AS INTEGER
secret = 42

FUNCTION peek() AS INTEGER
    RETURN secret + 1
END FUNCTION

PRINT peek()
