' expect: if_integer_condition.bas(2): Error 13: Type mismatch (Token: Token {type=command, value=[then]}): {Boolean type expected in IF statement. The type is [integer]}
IF 1 THEN
END IF
