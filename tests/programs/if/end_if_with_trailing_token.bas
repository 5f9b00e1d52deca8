' expect: end_if_with_trailing_token.bas(3): Error 4: Syntax error (Token: Token {type=integer, value=[5]}): {End of statement expected after 'END IF'.}
IF TRUE THEN
END IF 5
