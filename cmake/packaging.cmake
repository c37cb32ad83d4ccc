# Installation of the manual, the manual check, and the packages.
#
# Included at the end of the top-level CMakeLists.txt. Installs
# share/man/man1/vantrel.1 beside bin/vantrel; on Windows builds (the
# cross-build included) renders the manual as text and installs that
# instead. CPack makes a .deb on Linux and a .zip for Windows:
#   cpack -G DEB    (Linux)      cpack -G ZIP    (Windows)
#
# Run as a script (cmake -DMANUAL=... -DTEXT=... -DCRLF=ON|OFF -P packaging.cmake)
# it renders the manual page MANUAL as plain text into TEXT; the build uses
# that mode so that the pipe needs no shell.

if(CMAKE_SCRIPT_MODE_FILE)
  find_program(GROFF_EXECUTABLE groff)
  if(NOT GROFF_EXECUTABLE)
    message(FATAL_ERROR "groff is needed to render ${MANUAL}")
  endif()
  # -Tascii with grotty's -c -b -u -o: plain characters, no escape
  # sequences and no overstriking, so the text reads well in any editor.
  execute_process(
    COMMAND "${GROFF_EXECUTABLE}" -man -Tascii -P-c -P-b -P-u -P-o "${MANUAL}"
    OUTPUT_VARIABLE text
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "groff failed on ${MANUAL}: ${status}")
  endif()
  if(CRLF)
    string(REPLACE "\n" "\r\n" text "${text}")
  endif()
  file(WRITE "${TEXT}" "${text}")
  return()
endif()

include(GNUInstallDirs)

set(VANTREL_MANUAL "${PROJECT_SOURCE_DIR}/doc/vantrel.1")
find_program(GROFF_EXECUTABLE groff)

# The manual page, and its text rendering for systems without man.
if(WIN32)
  if(GROFF_EXECUTABLE)
    set(VANTREL_MANUAL_TEXT "${PROJECT_BINARY_DIR}/doc/vantrel.txt")
    add_custom_command(
      OUTPUT "${VANTREL_MANUAL_TEXT}"
      COMMAND "${CMAKE_COMMAND}" -DMANUAL=${VANTREL_MANUAL} -DTEXT=${VANTREL_MANUAL_TEXT}
              -DCRLF=ON -P "${CMAKE_CURRENT_LIST_FILE}"
      DEPENDS "${VANTREL_MANUAL}" "${CMAKE_CURRENT_LIST_FILE}"
      COMMENT "Rendering the manual page as text"
      VERBATIM)
    add_custom_target(vantrel_manual_text ALL DEPENDS "${VANTREL_MANUAL_TEXT}")
    install(FILES "${VANTREL_MANUAL_TEXT}" DESTINATION .)
  else()
    message(STATUS "groff not found: the package will not hold the manual as text")
  endif()
else()
  install(FILES "${VANTREL_MANUAL}" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
endif()

# The manual must format without a single warning; groff reports warnings
# on stderr and still exits 0, so any output fails the test.
if(VANTREL_TESTS)
  if(GROFF_EXECUTABLE)
    add_test(NAME manual_page COMMAND "${GROFF_EXECUTABLE}" -man -ww -z "${VANTREL_MANUAL}")
    set_tests_properties(manual_page PROPERTIES FAIL_REGULAR_EXPRESSION ".")
  else()
    add_test(NAME manual_page COMMAND "${CMAKE_COMMAND}" -E echo "groff not found: manual not checked")
    set_tests_properties(manual_page PROPERTIES SKIP_REGULAR_EXPRESSION "groff not found")
  endif()
endif()

# Packages.
set(VANTREL_PACKAGE_MAINTAINER "vantrel developers <vantrel@example.org>"
    CACHE STRING "Maintainer named in the packages: name <address>")

set(CPACK_PACKAGE_NAME "vantrel")
set(CPACK_PACKAGE_VENDOR "vantrel developers")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${VANTREL_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "convert cosmos entity listings into command files")
# Kept to short lines: the .deb shows them as they are.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "vantrel reads the entity listings that the cosmos FE program logs to .gem\n"
  "files and writes command files that other programs replay: cosmos\n"
  "selection commands, region selections, Zebulon node and element sets,\n"
  "beam elements, displacement boundary conditions, or a cosmos batch file\n"
  "that turns selection files back into listings.")
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR "ZIP")
  set(CPACK_PACKAGE_FILE_NAME "vantrel-${PROJECT_VERSION}-windows")
  # One folder in the archive: vantrel-<version>-windows/bin/vantrel.exe and
  # vantrel-<version>-windows/vantrel.txt.
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
  set(CPACK_GENERATOR "DEB")
  set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VANTREL_PACKAGE_MAINTAINER}")
  set(CPACK_DEBIAN_PACKAGE_SECTION "science")
  set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
  # The package depends on the C and C++ runtimes the binary links; without
  # dpkg-shlibdeps they are named without versions.
  find_program(DPKG_SHLIBDEPS_EXECUTABLE dpkg-shlibdeps)
  if(DPKG_SHLIBDEPS_EXECUTABLE)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libstdc++6, libgcc-s1")
  endif()
endif()

include(CPack)
