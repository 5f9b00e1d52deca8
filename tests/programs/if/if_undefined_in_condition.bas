' expect: if_undefined_in_condition.bas(2): Error 11: undefined variable (Token: Token {type=command, value=[then]}): {Undefined variable [zz].}
IF zz THEN
END IF
