' expect: 6
' expect: True
' expect: 7
Dim Total As Integer
TOTAL = 6
Print total
dIm FlAg aS BoOlEaN
fLaG = tRuE
pRiNt FLAG
LeT toTal = ToTaL + 1
? TOTAL
