DIM n AS INTEGER
DIM n AS DOUBLE
DIM N AS STRING
total = 1
PRINT later
DIM later AS INTEGER
IF n > 0 THEN
    DIM inner AS INTEGER
    inner = 1
    DIM n AS INTEGER
END IF
PRINT inner
FOR n = 1 TO 2
    DIM pass AS INTEGER
    pass = n
NEXT
DIM len AS INTEGER
DIM print AS INTEGER
DIM a(3) AS INTEGER
SUB show()
    PRINT n
END SUB
show()
PRINT later
' check: 2:5: error: variable [n] is already declared in this block, at line 1
' check: 3:5: error: variable [n] is already declared in this block, at line 1
' check: 4:1: error: undefined variable [total]; declare it first: DIM total AS type
' check: 5:7: error: undefined variable [later]: its DIM comes later, at line 6
' check: 10:9: error: variable [n] is already declared at line 1; a block cannot declare a name that exists outside it
' check: 12:7: error: undefined variable [inner]: its DIM at line 8 is not in an enclosing block
' check: 17:5: error: [len] is a built-in function and cannot be a variable name
' check: 18:5: error: keyword [PRINT] is reserved and cannot be a variable name
' check: 19:5: error: [a(...)]: arrays are not supported
' check: 21:11: error: [n] is a variable of the main program; a FUNCTION or SUB sees only its parameters and its own variables (pass it as a parameter)
