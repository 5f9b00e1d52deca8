' A loop that does run reaches the end of the program without complaint.
' expect: body 1
DIM i AS INTEGER
FOR i = 1 TO 3
    PRINT "body "; i
