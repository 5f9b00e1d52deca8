' expect: error_argument_count_none.bas(6): Error 4: Syntax error (Token: Token {type=delimeter, value=[EOL]}): {Function/sub-routine [show] expects [0] argument(s).}
SUB show()
    PRINT "never"
END SUB

show(1)
