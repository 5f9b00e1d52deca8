' expect: Error 4: Syntax error: {matching ')' not found}
PRINT abs(1, 2)
