' A loop whose body runs reaches the end of the program without complaint.
' expect: body
DO WHILE TRUE
    PRINT "body"
