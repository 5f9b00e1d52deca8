' A function sees neither the main program's variables nor its caller's;
' the report gives the line inside the body.
' expect: before
' expect: error_main_variable_invisible.bas(11): Error 11: undefined variable (Token: Token {type=variable, value=[secret]}): {Undefined variable [secret].}
DIM secret AS INTEGER
secret = 42
PRINT "before"
show()

SUB show()
    secret = 1
    PRINT "never"
END SUB
