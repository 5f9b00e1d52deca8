' expect: Error 6: Invalid name: {Name [a.b] contains invalid character}
PRINT "never"
SUB s(BYVAL a.b AS INTEGER)
END SUB
