' An error while computing the RETURN value names the token after the expression.
' expect: error_return_value_error.bas(4): Error 16: Divide by zero. (Token: Token {type=delimeter, value=[EOL]})
FUNCTION inverse(BYVAL n AS INTEGER) AS INTEGER
    RETURN 1 / n
END FUNCTION
PRINT inverse(0)
