' expect: Error 8: No matching closing quotation mark: {error string value}
PRINT "first"
PRINT "unterminated
