' Arguments are counted from #0; a BYREF argument must match exactly as well.
' expect: error_argument_type_second.bas(9): Error 13: Type mismatch (Token: Token {type=delimeter, value=[EOL]}): {Argument #1 of Function/sub-routine [store] should be of type [integer].}
SUB store(BYVAL label AS STRING, BYREF target AS INTEGER)
    target = 1
END SUB

DIM d AS DOUBLE
d = 2
store("x", d)
