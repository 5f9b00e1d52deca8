# Hostile inputs too large to keep in the repository (mebibyte lines, 100,000
# lines, 10,000 nested blocks, 128 MiB strings, ...): run_hostile_tests.py
# writes each input at test time; every case is its own test, hostile/NAME.
# The small hostile files live in programs/hostile/ with the other programs.
execute_process(
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/run_hostile_tests.py --list
  OUTPUT_VARIABLE TBASIC_HOSTILE_CASES
  OUTPUT_STRIP_TRAILING_WHITESPACE
  RESULT_VARIABLE TBASIC_HOSTILE_LIST_RESULT)
if(NOT TBASIC_HOSTILE_LIST_RESULT EQUAL 0)
  message(FATAL_ERROR "run_hostile_tests.py --list failed")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/run_hostile_tests.py)
string(REPLACE "\n" ";" TBASIC_HOSTILE_CASES "${TBASIC_HOSTILE_CASES}")
foreach(case ${TBASIC_HOSTILE_CASES})
  add_test(NAME hostile/${case}
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/run_hostile_tests.py $<TARGET_FILE:tbasic> ${case})
  # Large inputs: give each case room under the sanitizers and valgrind.
  set_tests_properties(hostile/${case} PROPERTIES TIMEOUT 900)
endforeach()
