' A "," right before the closing parenthesis of a header is accepted.
FUNCTION one(BYVAL a AS INTEGER,) AS INTEGER
    RETURN a + 1
END FUNCTION
PRINT one(41)
' expect: 42
