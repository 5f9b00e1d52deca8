' expect: Error 4: Syntax error: {operator '=' expected.}
DIM x AS INTEGER
x