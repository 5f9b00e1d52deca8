' expect: Error 4: Syntax error
IF THEN
END IF
