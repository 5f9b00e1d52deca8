' expect: 36
' expect: 10
' expect: 9
' Names of the same length and first letter as words of the vocabulary
' (for, and, mod, true, false, string, pi, exit, left) are still names.
DIM fox, ant, mot, tree, fable, strung, po, endx AS INTEGER
fox = 1: ant = 2: mot = 3: tree = 4: fable = 5: strung = 6: po = 7: endx = 8
PRINT fox + ant + mot + tree + fable + strung + po + endx
PRINT FOX * 10
FUNCTION lens(BYVAL x AS INTEGER) AS INTEGER
    DIM nexts AS INTEGER
    nexts = 1
    RETURN x + NEXTS
END FUNCTION
PRINT LENS(8)
