' END inside a sub-routine ends the whole program.
' expect: start
' expect: in finish
SUB finish()
    PRINT "in finish"
    END
    PRINT "never"
END SUB
PRINT "start"
finish()
PRINT "never"
