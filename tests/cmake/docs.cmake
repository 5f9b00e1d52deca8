# The user's documentation is tested like code: every example program and
# command line shown in the language guide and the README is run and its
# output compared, every program in examples/ must print exactly its .out
# file, and the man page must render without warnings.

# Under Wine (the Windows build) only the examples run.
if(NOT TBASIC_UNDER_WINE)
  foreach(page docs/language.md README.md)
    get_filename_component(page_name ${page} NAME_WE)
    string(TOLOWER ${page_name} page_name)
    add_test(NAME docs/${page_name}
      COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/run_doc_examples.py
              $<TARGET_FILE:tbasic> ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/${page})
  endforeach()
endif()

# Example programs run like program tests (tbasic -f NAME.bas in their folder);
# NAME.out holds the exact standard output, standard error must stay empty.
file(GLOB TBASIC_EXAMPLES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/examples/*.bas)
foreach(example ${TBASIC_EXAMPLES})
  get_filename_component(name ${example} NAME_WE)
  string(REGEX REPLACE "\\.bas$" ".out" expected ${example})
  if(NOT EXISTS ${expected})
    message(SEND_ERROR "examples/${name}.bas has no expected output file examples/${name}.out")
  endif()
  add_test(NAME example/${name}
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/run_program_test.py ${TBASIC_RUNNER_OPTIONS}
            $<TARGET_FILE:tbasic> ${example})
endforeach()

# The man page: groff must format it without a single warning (registered
# only where groff is installed; CI does not need it).
find_program(TBASIC_GROFF groff)
if(TBASIC_GROFF AND NOT TBASIC_UNDER_WINE)
  add_test(NAME docs/man-page
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/run_doc_examples.py
            --man ${TBASIC_GROFF} ${PROJECT_SOURCE_DIR}/docs/tbasic.1)
  add_test(NAME docs/man-page-check
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/run_doc_examples.py
            --man ${TBASIC_GROFF} ${PROJECT_SOURCE_DIR}/docs/tbasic-check.1)
endif()
