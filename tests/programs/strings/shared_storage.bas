' Copies of a string share its characters until one of them grows: what one
' holder appends must never show in another, however the copy was made
' (assignment, copy of a copy, BYVAL, BYREF, function result).
DIM base, a, b, c AS STRING
base = "0123456789"
base = base + "abcdef"
a = base
b = a
c = b
c = c + "x"
b = b + "y"
a = a + "z"
PRINT base; " "; a; " "; b; " "; c
' expect: 0123456789abcdef 0123456789abcdefz 0123456789abcdefy 0123456789abcdefx
' The holder that grew first may grow on; the others still see their own.
c = c + "X"
base = base + "!"
PRINT base; " "; c
' expect: 0123456789abcdef! 0123456789abcdefxX
' A copy and the value it was copied from compare by their own lengths.
a = base + "+"
b = a + "-"
c = a
PRINT a < b; " "; a = c; " "; b = c; " "; len(a); " "; len(b)
' expect: True True False 18 19

' A value taken before each append keeps its length as the other grows, also
' across the length where the characters leave the value for shared storage.
DIM s, at7, at8, at9, at12 AS STRING
DIM i AS INTEGER
s = ""
FOR i = 1 TO 12
    s = s + mid("abcdefghijkl", i - 1, 1)
    IF i = 7 THEN
        at7 = s
    END IF
    IF i = 8 THEN
        at8 = s
    END IF
    IF i = 9 THEN
        at9 = s
    END IF
    IF i = 12 THEN
        at12 = s
    END IF
NEXT i
at8 = at8 + "8"
at9 = at9 + "9"
s = s + "."
PRINT at7; " "; at8; " "; at9; " "; at12; " "; s
' expect: abcdefg abcdefgh8 abcdefghi9 abcdefghijkl abcdefghijkl.

' A string joined to itself, again and again, in the storage it grows in.
s = "ab"
FOR i = 1 TO 5
    s = s + s
NEXT i
PRINT len(s); " "; s
' expect: 64 abababababababababababababababababababababababababababababababab
s = "0123456789"
s = s + "-" + s + "-" + s
PRINT s
' expect: 0123456789-0123456789-0123456789

' A BYREF parameter appended to in the callee while the caller's copy, and
' the callee's BYVAL copy of the same variable, stay as they were.
SUB grow(BYREF r AS STRING, BYVAL v AS STRING)
    r = r + "1"
    v = v + "2"
    PRINT r; " "; v
    r = r + "3"
    PRINT r; " "; v
END SUB
DIM word, kept AS STRING
word = "shared-word"
word = word + "s"
kept = word
grow(word, word)
PRINT word; " "; kept
' expect: shared-words1 shared-words2
' expect: shared-words13 shared-words2
' expect: shared-words13 shared-words

' A string passed and returned, then passed again.
FUNCTION tagged(BYVAL t AS STRING) AS STRING
    t = t + "<"
    RETURN t + ">"
END FUNCTION
DIM x, y AS STRING
y = "passed-around"
x = tagged(y)
x = tagged(x)
PRINT y; " "; x; " "; tagged(x + "")
' expect: passed-around passed-around<><> passed-around<><><>
