' A SUB used in an expression gives a value that prints as nothing and that
' no variable accepts.
SUB nothing()
END SUB

SUB says(BYVAL text AS STRING)
    PRINT text;
    RETURN
END SUB

PRINT "<"; nothing(); ">"
PRINT "["; says("inside"); "]"
' expect: <>
' expect: [inside]

DIM v AS INTEGER
v = nothing()
' expect: sub_value.bas(17): Error 13: Type mismatch (Token: Token {type=delimeter, value=[EOL]}): {assign [*UNDEFINED*] value to [integer] variable [v]}
