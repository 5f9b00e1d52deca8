# Flat memory under long runs: programs/memory/ holds programs of ten
# million loop passes or function calls. check_memory.py runs each one,
# compares its output with the expectations written in it, and fails when
# its peak resident memory grows past a small margin over a one-line
# program's. Each takes from several seconds to a few tens of seconds, hence
# the "slow" label (`ctest -LE slow` leaves them out).
#
# The same .bas files are picked up as ordinary program tests by the glob in
# tests/CMakeLists.txt; those copies are disabled here, since the memory
# check already compares their output and running them twice would double
# the cost. Under the sanitizers, memory figures mean nothing (shadow memory,
# the quarantine of freed blocks) and ten million passes take minutes, so
# the check is not registered there, nor for the Windows build under Wine.

file(GLOB TBASIC_MEMORY_PROGRAMS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/programs/memory/*.bas)
foreach(program ${TBASIC_MEMORY_PROGRAMS})
  get_filename_component(name ${program} NAME_WE)
  set_tests_properties(program/memory/${name} PROPERTIES DISABLED TRUE LABELS "slow;memory")
endforeach()

if(NOT TBASIC_SANITIZE AND NOT TBASIC_UNDER_WINE)
  foreach(program ${TBASIC_MEMORY_PROGRAMS})
    get_filename_component(name ${program} NAME_WE)
    add_test(NAME memory/${name}
      COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/programs/memory/check_memory.py
              $<TARGET_FILE:tbasic> ${program})
    set_tests_properties(memory/${name} PROPERTIES LABELS "slow;memory" TIMEOUT 900)
  endforeach()
endif()
