' expect: error_sub_return_value.bas(3): Error 4: Syntax error (Token: Token {type=integer, value=[1]}): {EOL expected after 'RETURN' of a sub-routine.}
SUB s()
    RETURN 1
END SUB
s()
