' expect: Error 4: Syntax error: {'END IF' without previous matching 'IF'.}
END IF
