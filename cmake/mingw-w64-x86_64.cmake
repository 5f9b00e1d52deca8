# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (package
# g++-mingw-w64-x86-64-posix): its POSIX-threads variant, since the driver
# runs the interpreter on a pthread with a large stack.
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TBASIC_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TBASIC_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TBASIC_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TBASIC_MINGW_PREFIX}-windres)
# The binutils by name: CMake cannot derive them from the "-posix" compiler
# names (link-time optimisation needs the gcc- wrappers of ar and ranlib).
set(CMAKE_AR ${TBASIC_MINGW_PREFIX}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${TBASIC_MINGW_PREFIX}-gcc-ranlib-posix CACHE FILEPATH "")
set(CMAKE_CXX_COMPILER_AR ${TBASIC_MINGW_PREFIX}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_CXX_COMPILER_RANLIB ${TBASIC_MINGW_PREFIX}-gcc-ranlib-posix CACHE FILEPATH "")
set(CMAKE_STRIP ${TBASIC_MINGW_PREFIX}-strip CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${TBASIC_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained .exe: the C++ runtime, libgcc and winpthreads are linked
# in, so no DLL has to travel with it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
