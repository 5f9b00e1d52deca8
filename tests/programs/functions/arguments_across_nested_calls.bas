' Argument values already read wait while a later argument makes calls of
' its own, thousands deep, each with waiting arguments of its own; every
' call still gets its own values, strings and numbers alike.
FUNCTION pair(BYVAL label AS STRING, BYVAL inner AS STRING, BYVAL n AS INTEGER) AS STRING
  RETURN label + inner + str(n)
END FUNCTION

FUNCTION chain(BYVAL n AS INTEGER) AS STRING
  DIM r AS STRING
  IF n = 0 THEN
    RETURN ""
  END IF
  r = pair(str(n mod 10), chain(n - 1), n mod 7)
  RETURN r
END FUNCTION

FUNCTION ends(BYVAL s AS STRING) AS STRING
  DIM r AS STRING
  r = left(s, 12) + "..." + right(s, 12) + " " + str(len(s))
  RETURN r
END FUNCTION

PRINT ends(chain(5))
' expect: 5432112345...5432112345 10

PRINT ends(chain(3000))
' expect: 098765432109...012345601234 6000

' A call whose arguments are themselves calls with arguments.
DIM t AS STRING
t = pair(pair("a", "b", 1), pair("c", pair("d", "e", 2), 3), len(pair("f", "g", 4)))
PRINT t
' expect: ab1cde233
