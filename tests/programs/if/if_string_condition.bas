' expect: if_string_condition.bas(2): Error 13: Type mismatch (Token: Token {type=command, value=[then]}): {Boolean type expected in IF statement. The type is [string]}
IF "yes" THEN
END IF
