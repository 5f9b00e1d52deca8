' Two SUBs calling each other as statements, without end.
' expect: start
' expect-err: Exception thrown (stack overflow?): Error code C00000FD
SUB ping(BYVAL n AS INTEGER)
    DIM i AS INTEGER
    FOR i = 1 TO 1
        pong(n + 1)
    NEXT
END SUB
SUB pong(BYVAL n AS INTEGER)
    DO
        ping(n + 1)
    LOOP
END SUB
PRINT "start"
ping(0)
PRINT "never"
