# What `make install` and the packages hold, and the packages themselves
# (CPack: `make package` on Linux, `make package-windows` for Windows).
#
# Every executable of the project (TBASIC_EXECUTABLES) is installed and
# packaged; man pages are every docs/*.1, the guide every docs/*.md.
include(GNUInstallDirs)

file(GLOB TBASIC_MAN_PAGES ${PROJECT_SOURCE_DIR}/docs/*.1)
file(GLOB TBASIC_GUIDE ${PROJECT_SOURCE_DIR}/docs/*.md)
file(GLOB TBASIC_EXAMPLE_FILES ${PROJECT_SOURCE_DIR}/examples/*.bas ${PROJECT_SOURCE_DIR}/examples/*.out)

if(WIN32)
  # The Windows archive is for people who never build anything: the .exe
  # files at the top beside the README, the guide and examples in folders.
  install(TARGETS ${TBASIC_EXECUTABLES} RUNTIME DESTINATION .)
  install(FILES README.md DESTINATION .)
  install(FILES ${TBASIC_GUIDE} DESTINATION docs)
  install(FILES ${TBASIC_EXAMPLE_FILES} DESTINATION examples)
else()
  install(TARGETS ${TBASIC_EXECUTABLES} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${TBASIC_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES README.md ${TBASIC_GUIDE} DESTINATION ${CMAKE_INSTALL_DOCDIR})
  install(FILES ${TBASIC_EXAMPLE_FILES} DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)
endif()

set(CPACK_PACKAGE_NAME tbasic)
set(CPACK_PACKAGE_VENDOR "tbasic developers")
set(CPACK_PACKAGE_CONTACT "tbasic developers <tbasic@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Interpreter for a small typed, structured BASIC dialect")
set(CPACK_PACKAGE_DESCRIPTION
  "tbasic runs programs written in a small, typed, structured dialect of BASIC\n(tbasic -f prog.bas) or evaluates one expression (tbasic -e '1 + 2').")
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME win64)
else()
  # tbasic-VERSION-Linux-x86_64.tar.gz and tbasic_VERSION_ARCH.deb.
  set(CPACK_GENERATOR "TGZ;DEB")
  set(CPACK_SYSTEM_NAME ${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR})
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION interpreters)
  # Library dependencies come from dpkg-shlibdeps where it is installed.
  find_program(TBASIC_DPKG_SHLIBDEPS dpkg-shlibdeps)
  if(TBASIC_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libgcc-s1, libstdc++6")
  endif()
endif()

include(CPack)
