Dim X As Integer
Let X = 1 + 2 ' add
Print x