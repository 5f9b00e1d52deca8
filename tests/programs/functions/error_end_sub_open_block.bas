' END SUB meets a block of the body that is still open.
' expect: in s
' expect: error_end_sub_open_block.bas(8): Error 4: Syntax error (Token: Token {type=command, value=[endsub]}): {'END SUB' without matching 'SUB'.}
SUB s()
    DIM i AS INTEGER
    FOR i = 1 TO 2
        PRINT "in s"
END SUB
s()
