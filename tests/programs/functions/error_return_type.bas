' No conversion of the result: a double from an INTEGER function fails, and
' the report names the token after the expression.
' expect: 2
' expect: error_return_type.bas(9): Error 13: Type mismatch (Token: Token {type=delimeter, value=[EOL]}): {Function [pick] declares to return [integer], but actually returns [double].}
FUNCTION pick(BYVAL exact AS BOOLEAN) AS INTEGER
    IF exact THEN
        RETURN 2
    END IF
    RETURN 1.5
END FUNCTION
PRINT pick(TRUE)
PRINT pick(FALSE)
