' expect: before
' expect: error_end_sub_in_main.bas(4): Error 4: Syntax error (Token: Token {type=command, value=[endsub]}): {'END SUB' without matching 'SUB'.}
PRINT "before"
END SUB
