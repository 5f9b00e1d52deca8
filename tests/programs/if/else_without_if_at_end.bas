' expect: a
' expect: Error 4: Syntax error: {'ELSE' without previous matching 'IF'.}
PRINT "a"
ELSE
