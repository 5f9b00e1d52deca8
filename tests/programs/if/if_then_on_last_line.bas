' expect: Error 4: Syntax error: {EOL expected after 'THEN'.}
IF TRUE THEN