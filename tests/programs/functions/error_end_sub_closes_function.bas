' A FUNCTION closed by END SUB: the END SUB does not match the call.
' expect: in f
' expect: error_end_sub_closes_function.bas(6): Error 4: Syntax error (Token: Token {type=command, value=[endsub]}): {'END SUB' without matching 'SUB'.}
FUNCTION f() AS INTEGER
    PRINT "in f"
END SUB
PRINT f()
