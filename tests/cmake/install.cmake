# `cmake --install` (behind `make install PREFIX=...`) into a fresh temporary
# prefix: the binary and the man page must land there and the installed
# binary must run both modes.
add_test(NAME install/prefix
  COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/test_install.sh
          ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR} ${PROJECT_SOURCE_DIR})
