' EXIT DO on the first pass looks for the LOOP line.
' expect: once
' expect: Error 4: Syntax error: {'DO' without matching 'LOOP'.}
DO
    PRINT "once"
    EXIT DO
    PRINT "never"
