' expect: print_items_without_separator.bas(2): Error 4: Syntax error (Token: Token {type=string, value=[b]}): {unexpected symbol [Token {type=string, value=[b]}]}
PRINT "a" "b"
