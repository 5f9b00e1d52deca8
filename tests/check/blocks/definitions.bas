FUNCTION twice(BYVAL x AS INTEGER) AS INTEGER
    RETURN 2 * x
END SUB
SUB outer()
    SUB inner()
    END SUB
PRINT twice(2)
END FUNCTION
FUNCTION noEnd() AS INTEGER
    RETURN 1
' check: 3:1: error: FUNCTION [twice] (line 1) ends with END SUB; write END FUNCTION
' check: 5:5: error: a SUB cannot be defined inside another definition; end the one above first
' check: 8:1: error: END FUNCTION without matching FUNCTION
' check: 9:1: error: FUNCTION [noend] has no END FUNCTION (the rest of the file became its body)
