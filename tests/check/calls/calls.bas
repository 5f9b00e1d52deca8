FUNCTION area(BYVAL w AS DOUBLE, BYVAL h AS DOUBLE) AS DOUBLE
    RETURN w * h
END FUNCTION
SUB greet(BYVAL who AS STRING)
    PRINT "hello "; who
END SUB
SUB hello
END SUB
FUNCTION len(BYVAL s AS STRING) AS INTEGER
    RETURN 1
END FUNCTION
SUB bad(x AS INTEGER)
END SUB
SUB bad2(BYVAL str AS INTEGER)
END SUB
FUNCTION noType(BYVAL x AS INTEGER)
    RETURN x
END FUNCTION
SUB greet(BYVAL again AS STRING)
END SUB
DIM d AS DOUBLE
d = area(2.0)
d = area(2, 3.0)
d = aera(2.0, 3.0)
d = greet("x")
greet("a", "b")
gret("x")
d = sqrt(2, 3)
d = sqrt 2
d = pi()
PRINT now(1)
PRINT mid("abc", 1)
PRINT len(5)
' check: 7:5: error: SUB [hello] needs parentheses, also without parameters: SUB hello()
' check: 9:10: error: [len] is a built-in function; a FUNCTION cannot take its name
' check: 12:9: error: parameter [x] needs BYVAL or BYREF before it
' check: 14:16: error: parameter named after the built-in function [str]; choose another name
' check: 16:36: error: FUNCTION [notype] needs its result type: ... ) AS type, found the end of the statement
' check: 19:1: error: SUB [greet] is already defined at line 4
' check: 22:5: error: [area] takes 2 argument(s), not 1
' check: 23:10: error: argument 1 of [area] (parameter [w]) must be DOUBLE, not INTEGER (arguments are not converted; write 2.0, not 2)
' check: 24:5: error: unknown function or sub-routine [aera]; did you mean [area]?
' check: 25:5: error: a SUB's call has no value to assign to [d]
' check: 26:1: error: [greet] takes 1 argument(s), not 2
' check: 27:1: error: unknown function or sub-routine [gret]; did you mean [greet]?
' check: 28:11: error: [sqrt] takes one argument
' check: 29:10: error: [sqrt] needs its argument in parentheses: sqrt(...)
' check: 30:7: error: [pi] takes no parentheses: write pi alone
' check: 31:7: error: [now] is reserved and cannot be called
' check: 32:16: error: a call with several arguments cannot stand in PRINT: the expression is cut at the first ','; store the result of [mid] in a variable first
' check: 33:11: error: [len] expects a STRING, not INTEGER
