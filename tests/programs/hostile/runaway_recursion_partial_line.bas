FUNCTION down(BYVAL n AS INTEGER) AS INTEGER
    RETURN down(n - 1) - 1
END FUNCTION
PRINT "whole line"
PRINT "partial "; 1;
PRINT down(0)
PRINT "never"
