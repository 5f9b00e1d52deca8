' expect: elseif_double_condition.bas(3): Error 13: Type mismatch (Token: Token {type=command, value=[then]}): {Boolean type expected in ELSEIF statement. The type is [double]}
IF FALSE THEN
ELSEIF 2.5 THEN
END IF
