' expect: elseif_without_if.bas(2): Error 4: Syntax error (Token: Token {type=bool, value=[True]}): {'ELSEIF' without previous matching 'IF'.}
ELSEIF TRUE THEN
END IF
