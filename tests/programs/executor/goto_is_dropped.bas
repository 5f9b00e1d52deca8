' expect: goto_is_dropped.bas(2): Error 4: Syntax error (Token: Token {type=integer, value=[10]})
GOTO 10
