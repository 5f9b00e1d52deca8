# tbasic-check: program tests with inline expectations (tests/check/<kind>/NAME.bas),
# the no-false-error sweep over every valid program in the repository, the
# same-line test over every program test that ends in a static error, and the
# differential test against the interpreter.
file(GLOB_RECURSE TBASIC_CHECK_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/check/*.bas)
foreach(program ${TBASIC_CHECK_TESTS})
  file(RELATIVE_PATH name ${CMAKE_CURRENT_SOURCE_DIR}/check ${program})
  string(REGEX REPLACE "\\.bas$" "" name ${name})
  add_test(NAME check/${name}
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/run_check_tests.py ${TBASIC_RUNNER_OPTIONS}
            expect $<TARGET_FILE:tbasic-check> ${program})
endforeach()
# Under Wine only these: the rest judge the checker's logic, not the platform.
if(TBASIC_UNDER_WINE)
  return()
endif()

add_test(NAME check-sweep/no-false-errors
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/run_check_tests.py sweep
          $<TARGET_FILE:tbasic-check>
          ${PROJECT_SOURCE_DIR}/examples ${CMAKE_CURRENT_SOURCE_DIR}/programs ${PROJECT_SOURCE_DIR}/bench/tbasic)
add_test(NAME check-sweep/same-line
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/run_check_tests.py same-line
          $<TARGET_FILE:tbasic-check> ${CMAKE_CURRENT_SOURCE_DIR}/programs)

# Mutants of the repository's programs: whatever the checker calls clean
# must not fail statically at run time (the long run is the fuzz target
# fuzz/fuzz_check.cpp).
add_executable(check_differential ${CMAKE_CURRENT_SOURCE_DIR}/differential/check_differential.cpp)
target_link_libraries(check_differential PRIVATE tbasic_core)
add_test(NAME check-differential/mutants
  COMMAND check_differential 4000 20261207
          ${CMAKE_CURRENT_SOURCE_DIR}/programs ${PROJECT_SOURCE_DIR}/examples ${CMAKE_CURRENT_SOURCE_DIR}/check)

# docs/checking.md: every example shows exactly what the checker prints.
add_test(NAME docs/checking
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/run_check_tests.py doc
          $<TARGET_FILE:tbasic-check> ${PROJECT_SOURCE_DIR}/docs/checking.md)

# 100,000 lines in under a second of processor time (sanitizer builds get
# more), memory linear in the file.
if(TBASIC_SANITIZE)
  set(TBASIC_CHECK_SECONDS 60)
else()
  set(TBASIC_CHECK_SECONDS 1)
endif()
add_test(NAME check-performance/100000-lines
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/check_performance.py
          $<TARGET_FILE:tbasic-check> ${TBASIC_CHECK_SECONDS})

add_test(NAME check-cli/command-line
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/run_check_tests.py cli $<TARGET_FILE:tbasic-check>)
