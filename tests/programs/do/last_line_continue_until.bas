' expect: done
PRINT "done"
do
continue do
loop until true
