' A loop skipped at once needs its LOOP; the report has no position.
' expect: before
' expect: Error 4: Syntax error: {'DO' without matching 'LOOP'.}
PRINT "before"
DO UNTIL TRUE
    PRINT "never"
