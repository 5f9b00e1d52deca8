' A SUB closed by END FUNCTION.
' expect: in s
' expect: error_end_function_closes_sub.bas(6): Error 4: Syntax error (Token: Token {type=command, value=[endfunction]}): {Function exits without 'RETURN'.}
SUB s()
    PRINT "in s"
END FUNCTION
s()
