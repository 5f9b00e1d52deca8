' Keywords are read even between underscores and break a name up.
DIM step_size AS DOUBLE
DIM print_total AS INTEGER
DIM let_x AS INTEGER
DIM max_value AS INTEGER
max_value = 1
PRINT max_value
' check: 2:5: error: the name [step_size] is broken up by the word [step] inside it (keywords are read even between underscores); choose another name, such as stepsize
' check: 3:5: error: the name [print_total] is broken up by the word [print] inside it (keywords are read even between underscores); choose another name, such as printtotal
' check: 4:5: error: the name [let_x] is broken up by the word [let] inside it (keywords are read even between underscores); choose another name, such as letx
