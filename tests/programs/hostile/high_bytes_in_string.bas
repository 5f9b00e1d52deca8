PRINT "‚ƒˆÿÃ© ' /* rem"' ‚ˆ /*
