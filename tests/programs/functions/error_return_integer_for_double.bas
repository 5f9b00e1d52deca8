' An integer is no DOUBLE result either.
' expect: 3.5
' expect: error_return_integer_for_double.bas(5): Error 13: Type mismatch (Token: Token {type=delimeter, value=[EOL]}): {Function [ratio] declares to return [double], but actually returns [integer].}
FUNCTION ratio(BYVAL a AS INTEGER, BYVAL b AS INTEGER) AS DOUBLE
    RETURN a / b
END FUNCTION
DIM d AS DOUBLE
d = ratio(7, 2)
PRINT d
d = ratio(8, 2)
