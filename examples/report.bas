' report.bas - a small text report with aligned columns.
'
' There are no arrays, so each order line is handed to a sub-routine that
' prints it and adds it to the running totals passed BYREF.

FUNCTION padRight(BYVAL s AS STRING, BYVAL width AS INTEGER) AS STRING
    IF len(s) >= width THEN
        RETURN s
    END IF
    RETURN s + space(width - len(s))
END FUNCTION

FUNCTION padLeft(BYVAL s AS STRING, BYVAL width AS INTEGER) AS STRING
    IF len(s) >= width THEN
        RETURN s
    END IF
    RETURN space(width - len(s)) + s
END FUNCTION

FUNCTION money(BYVAL amount AS DOUBLE) AS STRING
    ' Two decimals: 4.2 gives "4.20". Storing a double in an INTEGER
    ' variable rounds it (halves away from zero).
    DIM cents AS INTEGER
    DIM fraction AS STRING
    cents = amount * 100
    fraction = str(cents mod 100)
    IF len(fraction) < 2 THEN
        fraction = "0" + fraction
    END IF
    RETURN str(cents \ 100) + "." + fraction
END FUNCTION

SUB orderLine(BYVAL item AS STRING, BYVAL qty AS INTEGER, BYVAL price AS DOUBLE, BYREF total AS DOUBLE, BYREF pieces AS INTEGER)
    DIM amount AS DOUBLE
    DIM row AS STRING
    amount = qty * price
    total = total + amount
    pieces = pieces + qty
    row = padRight(item, 14) + padLeft(str(qty), 5) + padLeft(money(price), 10) + padLeft(money(amount), 11)
    PRINT row
END SUB

SUB bar(BYVAL label AS STRING, BYVAL amount AS DOUBLE)
    ' One "#" for every started 5.00.
    DIM n, i AS INTEGER
    DIM row AS STRING
    n = int(amount / 5)
    IF n * 5 < amount THEN
        n = n + 1
    END IF
    row = padRight(label, 14) + "|"
    FOR i = 1 TO n
        row = row + "#"
    NEXT i
    PRINT row; " "; money(amount)
END SUB

DIM total, average AS DOUBLE
DIM pieces, lines AS INTEGER
DIM row, rule AS STRING

rule = "----------------------------------------"
row = padRight("Item", 14) + padLeft("Qty", 5) + padLeft("Price", 10) + padLeft("Amount", 11)
PRINT "ORDER 1024"
PRINT rule
PRINT row
PRINT rule
total = 0
pieces = 0
orderLine("Notebook", 3, 2.5, total, pieces)
orderLine("Pencil", 12, 0.35, total, pieces)
orderLine("Backpack", 1, 24.99, total, pieces)
orderLine("Stapler", 2, 7.45, total, pieces)
orderLine("Ink refill", 4, 3.2, total, pieces)
lines = 5
PRINT rule
row = padRight("Total", 14) + padLeft(str(pieces), 5) + padLeft(money(total), 21)
PRINT row
average = total / lines
row = padRight("Average line", 19) + padLeft(money(average), 21)
PRINT row
row = padRight("VAT 20% incl.", 19) + padLeft(money(total / 6), 21)
PRINT row
PRINT

PRINT "Amounts:"
bar("Notebook", 7.5)
bar("Pencil", 4.2)
bar("Backpack", 24.99)
bar("Stapler", 14.9)
bar("Ink refill", 12.8)

IF total > 50 THEN
    PRINT "Free delivery (over 50.00)."
ELSE
    PRINT "Delivery: 4.90"
END IF
