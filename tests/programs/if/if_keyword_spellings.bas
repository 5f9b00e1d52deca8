' expect: one
' expect: two
' expect: three
' expect: four
' expect: five
' expect: six
' expect: seven
If TRUE Then
  Print "one"
End If
if false then
elseif true then
  print "two"
endif
IF FALSE THEN
ELSE
  PRINT "three"
END   IF
IF TRUE THEN : PRINT "four" : END IF
IF FALSE THEN : PRINT "no" : ELSE : PRINT "five" : END IF
iF TrUe tHeN
  ? "six"
eNd iF
IF FALSE THEN
ElseIf True Then
  PRINT "seven"
ENDIF
