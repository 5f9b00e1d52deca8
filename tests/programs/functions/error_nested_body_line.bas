' An error two calls deep is reported at the innermost failing token.
' expect: outer
' expect: inner 3
' expect: error_nested_body_line.bas(15): Error 13: Type mismatch (Token: Token {type=delimeter, value=[EOL]}): {operator '+' used between data type [string] & [integer]}
FUNCTION outer(BYVAL n AS INTEGER) AS INTEGER
    PRINT "outer"
    RETURN inner(n + 1) * 2
END FUNCTION

FUNCTION inner(BYVAL n AS INTEGER) AS INTEGER
    DIM s AS STRING
    DIM i AS INTEGER
    FOR i = n TO n + 1
        PRINT "inner "; i
        s = "x" + i
    NEXT
    RETURN 0
END FUNCTION

DIM r AS INTEGER
r = outer(2)
