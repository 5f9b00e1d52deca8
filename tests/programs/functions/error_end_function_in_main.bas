' expect: before
' expect: error_end_function_in_main.bas(4): Error 4: Syntax error (Token: Token {type=command, value=[endfunction]}): {Function exits without 'RETURN'.}
PRINT "before"
END FUNCTION
