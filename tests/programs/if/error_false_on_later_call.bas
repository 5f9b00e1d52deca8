' A branch taken on the first calls never scans; the first false
' condition scans and fails with the same report as a fresh run.
' expect: 1
' expect: 2
' expect: Error 4: Syntax error: {'IF' without matching 'END IF'.}
FUNCTION check(BYVAL n AS INTEGER) AS INTEGER
  IF n < 3 THEN
    RETURN n
END FUNCTION

DIM i AS INTEGER
FOR i = 1 TO 5
  PRINT check(i)
NEXT i
