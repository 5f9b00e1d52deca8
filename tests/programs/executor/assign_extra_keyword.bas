' expect: assign_extra_keyword.bas(3): Error 4: Syntax error (Token: Token {type=command, value=[then]}): {unexpected symbol [Token {type=command, value=[then]}]}
DIM x AS INTEGER
x = 1 THEN
