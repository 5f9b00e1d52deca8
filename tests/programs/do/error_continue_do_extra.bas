' expect: error_continue_do_extra.bas(5): Error 4: Syntax error (Token: Token {type=bool, value=[True]}): {EOL expected after 'CONTINUE DO'.}
DIM x AS INTEGER
DO
    x = x + 1
    CONTINUE DO TRUE
LOOP UNTIL x = 3
