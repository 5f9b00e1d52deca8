' expect: a
' expect: Error 4: Syntax error: {EOL expected after 'ELSE'.}
PRINT "a"
ELSE