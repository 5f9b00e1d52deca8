' expect: Error 10: Duplicate definition: {Variable [a] already defined.}
DIM a, b, a AS INTEGER
