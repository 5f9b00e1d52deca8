# The benchmark scripts in bench/ stay runnable: a quick pass of the loading
# benchmark on a small generated program, the count report's targets on a
# fixed table, and the chart (when gnuplot is there). A few seconds.
add_test(NAME bench-tools
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/bench_tools_test.py $<TARGET_FILE:tbasic>)
