' RETURN's expression ends at the first ",", so a call of two arguments is cut
' short and the evaluator reports it at the end of its range.
' expect: 3
' expect: Error 4: Syntax error: {matching ')' not found}
FUNCTION g(BYVAL a AS INTEGER, BYVAL b AS INTEGER) AS INTEGER
    RETURN a + b
END FUNCTION
FUNCTION h(BYVAL a AS INTEGER, BYVAL b AS INTEGER) AS INTEGER
    RETURN g(a, b)
END FUNCTION
DIM x AS INTEGER
x = g(1, 2)
PRINT x
x = h(1, 2)
PRINT x
