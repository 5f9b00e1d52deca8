' expect: error_exit_do_extra.bas(3): Error 4: Syntax error (Token: Token {type=integer, value=[1]}): {EOL expected after 'EXIT DO'.}
DO
    EXIT DO 1
LOOP
