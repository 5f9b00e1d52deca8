' expect: aprint_undefined_item.bas(2): Error 11: undefined variable (Token: Token {type=delimeter, value=[EOL]}): {Undefined variable [zz].}
PRINT "a"; zz
PRINT "never"
