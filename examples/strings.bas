' strings.bas - a small string toolkit built on the string built-ins.
'
' Positions are 0-based: mid(s, 0, 1) is the first character.
' Calls with several arguments (mid, left, instr, and our own functions)
' are written in assignments, whose expression runs to the end of the line.

FUNCTION reverse(BYVAL s AS STRING) AS STRING
    DIM result AS STRING
    DIM i AS INTEGER
    FOR i = len(s) - 1 TO 0 STEP -1
        result = result + mid(s, i, 1)
    NEXT i
    RETURN result
END FUNCTION

FUNCTION countWords(BYVAL s AS STRING) AS INTEGER
    DIM i, n AS INTEGER
    DIM c, prev AS STRING
    prev = " "
    FOR i = 0 TO len(s) - 1
        c = mid(s, i, 1)
        IF c <> " " AND prev = " " THEN
            n = n + 1
        END IF
        prev = c
    NEXT i
    RETURN n
END FUNCTION

FUNCTION countVowels(BYVAL s AS STRING) AS INTEGER
    DIM i, n, found AS INTEGER
    DIM c AS STRING
    FOR i = 0 TO len(s) - 1
        c = lcase(mid(s, i, 1))
        found = instr("aeiou", c)
        IF found >= 0 THEN
            n = n + 1
        END IF
    NEXT i
    RETURN n
END FUNCTION

FUNCTION capitalize(BYVAL s AS STRING) AS STRING
    ' Upper-case the first letter of every word.
    DIM result, c, prev AS STRING
    DIM i AS INTEGER
    prev = " "
    FOR i = 0 TO len(s) - 1
        c = mid(s, i, 1)
        IF prev = " " THEN
            result = result + ucase(c)
        ELSE
            result = result + c
        END IF
        prev = c
    NEXT i
    RETURN result
END FUNCTION

FUNCTION replaceAll(BYVAL s AS STRING, BYVAL find AS STRING, BYVAL repl AS STRING) AS STRING
    ' find must not be empty.
    DIM result, rest AS STRING
    DIM p AS INTEGER
    rest = s
    p = instr(rest, find)
    DO WHILE p >= 0
        result = result + left(rest, p) + repl
        rest = mid(rest, p + len(find), len(rest))
        p = instr(rest, find)
    LOOP
    RETURN result + rest
END FUNCTION

FUNCTION isPalindrome(BYVAL s AS STRING) AS BOOLEAN
    ' Letters only, letter case ignored.
    DIM letters, c AS STRING
    DIM i AS INTEGER
    FOR i = 0 TO len(s) - 1
        c = lcase(mid(s, i, 1))
        IF c >= "a" AND c <= "z" THEN
            letters = letters + c
        END IF
    NEXT i
    RETURN letters = reverse(letters)
END FUNCTION

FUNCTION padRight(BYVAL s AS STRING, BYVAL width AS INTEGER) AS STRING
    IF len(s) >= width THEN
        RETURN s
    END IF
    RETURN s + space(width - len(s))
END FUNCTION

DIM text, t AS STRING
DIM k AS INTEGER

text = "  the quick brown fox jumps over the lazy dog  "
PRINT "text:      ["; text; "]"
t = trim(text)
PRINT "trim:      ["; t; "]"
PRINT "ltrim:     ["; ltrim(text); "]"
PRINT "rtrim:     ["; rtrim(text); "]"
PRINT "length:    "; len(t); " (was "; len(text); ")"
PRINT "words:     "; countWords(t)
PRINT "vowels:    "; countVowels(t)
PRINT "upper:     "; ucase(t)
PRINT "capitals:  "; capitalize(t)
PRINT "reversed:  "; reverse(t)
k = instr(t, "fox")
PRINT "fox at:    "; k
k = instr(t, "cat")
PRINT "cat at:    "; k
text = replaceAll(t, "the", "a")
PRINT "replaced:  "; text
text = left(t, 9)
PRINT "left 9:    "; text
text = right(t, 8)
PRINT "right 8:   "; text
PRINT

' Palindromes.
DIM phrase AS STRING
phrase = "A man, a plan, a canal: Panama!"
PRINT phrase; " -> "; isPalindrome(phrase)
phrase = "Never odd or even"
PRINT phrase; " -> "; isPalindrome(phrase)
phrase = "Hello, world"
PRINT phrase; " -> "; isPalindrome(phrase)
PRINT

' Numbers inside strings.
DIM price AS DOUBLE
PRINT "isNumeric(12.5): "; isNumeric("12.5"); ", isNumeric(12.5kg): "; isNumeric("12.5kg")
price = val("19.99") * 3
PRINT "3 x 19.99 = "; price
t = "Total: " + str(price) + " EUR"
PRINT t; " ("; len(t); " characters)"
PRINT

' A padded two-column table.
t = padRight("fruit", 10) + "|" + padRight("colour", 8) + "|"
PRINT t
t = padRight("apple", 10) + "|" + padRight("red", 8) + "|"
PRINT t
t = padRight("banana", 10) + "|" + padRight("yellow", 8) + "|"
PRINT t
