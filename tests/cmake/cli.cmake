# Command-line cases run under chosen program names (the usage banner echoes
# argv[0]) and expressions nested as deep as one argument allows.
add_test(NAME cli
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/run_cli_tests.py $<TARGET_FILE:tbasic>)
