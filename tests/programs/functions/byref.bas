' BYREF parameters given a variable (also in parentheses, after a unary +, or
' through int/abs that hand back its own value) change the caller's variable;
' given any other expression they get a private copy.
SUB inc(BYREF v AS INTEGER)
    v = v + 1
END SUB

SUB setlocal(BYVAL v AS INTEGER)
    v = 100
    PRINT "local "; v
END SUB

DIM a AS INTEGER
a = 1
inc(a)
PRINT a
' expect: 2
inc((a))
PRINT a
' expect: 3
inc(+a)
PRINT a
' expect: 4
inc(a + 0)
PRINT a
' expect: 4
inc(-a)
PRINT a
' expect: 4
inc(5)
inc(twice(a))
PRINT a
' expect: 4
setlocal(a)
PRINT a
' expect: local 100
' expect: 4

' Through two levels the reference still reaches the first caller's variable.
SUB outer(BYREF w AS INTEGER)
    PRINT "outer sees "; w
    inner(w)
    PRINT "outer after "; w
END SUB
SUB inner(BYREF z AS INTEGER)
    PRINT "inner sees "; z
    z = z * 10
END SUB
outer(a)
PRINT "main "; a
' expect: outer sees 4
' expect: inner sees 4
' expect: outer after 40
' expect: main 40

' The caller sees each change at once, also through a function's result.
FUNCTION bump(BYREF counter AS INTEGER, BYVAL by AS INTEGER) AS INTEGER
    counter = counter + by
    RETURN counter * 2
END FUNCTION
DIM c, r AS INTEGER
c = 1
r = bump(c, 2) + c
PRINT r; " "; c
' expect: 9 3

' Strings and doubles by reference.
SUB append(BYREF s AS STRING, BYVAL tail AS STRING)
    s = s + tail
END SUB
SUB halve(BYREF d AS DOUBLE)
    d = d / 2
END SUB
DIM s AS STRING
DIM d AS DOUBLE
s = "ab"
append(s, "cd")
append(s, s)
d = 5
halve(d)
PRINT s; " "; d
' expect: abcdabcd 2.5

' A parameter named like a main-program variable is a different variable.
SUB shadow(BYVAL a AS INTEGER)
    a = -1
    PRINT "param "; a
END SUB
shadow(7)
PRINT "main "; a
' expect: param -1
' expect: main 40

' A BYREF parameter as a loop variable counts in the caller's variable.
SUB countup(BYREF k AS INTEGER)
    FOR k = 1 TO 3
    NEXT
END SUB
countup(a)
PRINT "after loop "; a
' expect: after loop 4

' Swapping through two references; arguments are evaluated left to right.
SUB swap(BYREF x AS INTEGER, BYREF y AS INTEGER)
    DIM t AS INTEGER
    t = x
    x = y
    y = t
END SUB
SUB show2(BYVAL first AS INTEGER, BYVAL second AS INTEGER)
    PRINT first; " "; second
END SUB
DIM p, q AS INTEGER
p = 1
q = 2
swap(p, q)
PRINT p; " "; q
' expect: 2 1
c = 0
show2(bump(c, 1), bump(c, 1))
' expect: 2 4

FUNCTION twice(BYVAL n AS INTEGER) AS INTEGER
    RETURN n * 2
END FUNCTION
