' An integer is not accepted for a DOUBLE parameter.
' expect: 1.5
' expect: error_argument_type.bas(9): Error 13: Type mismatch (Token: Token {type=delimeter, value=[EOL]}): {Argument #0 of Function/sub-routine [half] should be of type [double].}
FUNCTION half(BYVAL d AS DOUBLE) AS DOUBLE
    RETURN d / 2
END FUNCTION

PRINT half(3.0)
PRINT half(3)
