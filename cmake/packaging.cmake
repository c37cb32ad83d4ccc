# The documents, their installation, the manual check, and the packages.
#
# Included at the end of the top-level CMakeLists.txt. The manual page
# doc/vantrel.1.in becomes doc/vantrel.1 in the build folder with the
# version and release date on its .TH line. What is installed beside the
# program:
#   Linux    share/man/man1/vantrel.1.gz, and in share/doc/vantrel/
#            README.md, copyright (LICENSE in Debian's machine-readable
#            form), changelog.gz (CHANGELOG.md) and changelog.Debian.gz
#            (one entry for the package of this version); the documents
#            are compressed with gzip -9n.
#   Windows  one flat folder: vantrel.exe, README.txt, LICENSE.txt,
#            CHANGELOG.txt and vantrel.txt (the manual page as text), all
#            with CR LF line ends so that Notepad shows them.
# The banner's manual line (VANTREL_MANUAL_LINE in CMakeLists.txt) names
# these files; scripts/package checks that each package holds what its
# banner names.
#
# CPack makes a .deb on Linux and a .zip on Windows (the MinGW-w64 cross
# build included):
#   cpack -G DEB    (Linux)      cpack -G ZIP    (Windows)
# scripts/package builds and checks both, scripts/release makes a release.
#
# lintian runs in scripts/package with its informational (I:) and
# experimental (X:) tags shown. The script fails on any error (E:) and on any
# other tag that is not listed below with its reason, one a line as
# "<letter>: <tag>: <reason>". The tags that remain:
# W: initial-upload-closes-no-bugs: the Debian change log has one entry, the
#    first package of revision 1, and closes no bug. The package is not meant
#    for the Debian archive, so there is no ITP ("intent to package") bug to
#    close; lintian's own explanation says to ignore the warning then.
# I: binary-has-unneeded-section: CPack strips the program with a plain
#    strip, which keeps the .comment section, one line of some 40 bytes that
#    names the compiler. It costs nothing at run time.
# I: spelling-error-in-binary: "boudary" in the usage text. That text is kept
#    word for word as users of the program know it and the end-to-end case
#    cli_usage_without_arguments holds it.

set(VANTREL_DOC_TOOL "${CMAKE_CURRENT_LIST_DIR}/make-doc.cmake")
set(VANTREL_TEXT_MACROS "${CMAKE_CURRENT_LIST_DIR}/manual-text.tmac")
set(VANTREL_DOC_DIR "${PROJECT_BINARY_DIR}/doc")
set(VANTREL_MANUAL "${VANTREL_DOC_DIR}/vantrel.1")
configure_file("${PROJECT_SOURCE_DIR}/doc/vantrel.1.in" "${VANTREL_MANUAL}" @ONLY)
find_program(GROFF_EXECUTABLE groff)

# The maintainer named in the .deb, its Debian change log and the .zip.
# Debian wants a name and a mail address whose host is a domain name: lintian
# fails a name alone (malformed-contact) and hosts such as localhost
# (bogus-mail-host). The default takes the reserved top-level domain
# .invalid (RFC 6761), which is certain to reach nobody rather than
# pretending to be somebody's address; set your own for packages you hand
# out: -DVANTREL_PACKAGE_MAINTAINER="Name <address>".
set(VANTREL_PACKAGE_MAINTAINER_DEFAULT "the vantrel authors <no-reply@vantrel.invalid>")
set(VANTREL_PACKAGE_MAINTAINER "${VANTREL_PACKAGE_MAINTAINER_DEFAULT}"
    CACHE STRING "Maintainer named in the packages: name <address>")
if(VANTREL_PACKAGE_MAINTAINER STREQUAL VANTREL_PACKAGE_MAINTAINER_DEFAULT)
  message(STATUS "Packages name no maintainer who can be reached; "
                 "set -DVANTREL_PACKAGE_MAINTAINER=\"Name <address>\" to name one")
endif()
# The Debian revision of the package of this version.
set(VANTREL_DEBIAN_RELEASE 1)

# vantrel_rfc2822_date(<variable> YYYY-MM-DD) sets <variable> to midnight UTC
# of that day as Debian change logs write it: "Mon, 07 Dec 2026 00:00:00 +0000".
function(vantrel_rfc2822_date variable date)
  if(NOT date MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
    message(FATAL_ERROR "not a date YYYY-MM-DD: ${date}")
  endif()
  set(year "${CMAKE_MATCH_1}")
  set(day "${CMAKE_MATCH_3}")
  math(EXPR y "${year}")
  math(EXPR m "1${CMAKE_MATCH_2} - 100")
  math(EXPR d "1${CMAKE_MATCH_3} - 100")
  # Sakamoto's method: the weekday, 0 for Sunday.
  set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
  math(EXPR index "${m} - 1")
  list(GET offsets ${index} offset)
  if(m LESS 3)
    math(EXPR y "${y} - 1")
  endif()
  math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${d}) % 7")
  set(weekdays Sun Mon Tue Wed Thu Fri Sat)
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(GET weekdays ${weekday} weekday_name)
  list(GET months ${index} month_name)
  set(${variable} "${weekday_name}, ${day} ${month_name} ${year} 00:00:00 +0000"
      PARENT_SCOPE)
endfunction()

# vantrel_document(<output> <action> <input> [VAR=value...]) makes the
# document <output> in the build's doc folder from <input> with the ACTION
# of make-doc.cmake.
set(VANTREL_DOCUMENTS)
function(vantrel_document output action input)
  set(defines)
  foreach(define ${ARGN})
    list(APPEND defines "-D${define}")
  endforeach()
  add_custom_command(
    OUTPUT "${VANTREL_DOC_DIR}/${output}"
    COMMAND "${CMAKE_COMMAND}" -DACTION=${action} "-DINPUT=${input}"
            "-DOUTPUT=${VANTREL_DOC_DIR}/${output}" ${defines} -P "${VANTREL_DOC_TOOL}"
    DEPENDS "${input}" "${VANTREL_DOC_TOOL}" "${VANTREL_TEXT_MACROS}"
    COMMENT "Making ${output}"
    VERBATIM)
  set(VANTREL_DOCUMENTS ${VANTREL_DOCUMENTS} "${VANTREL_DOC_DIR}/${output}" PARENT_SCOPE)
endfunction()

if(WIN32)
  vantrel_document(README.txt crlf "${PROJECT_SOURCE_DIR}/README.md")
  vantrel_document(LICENSE.txt crlf "${PROJECT_SOURCE_DIR}/LICENSE")
  vantrel_document(CHANGELOG.txt crlf "${PROJECT_SOURCE_DIR}/CHANGELOG.md")
  if(GROFF_EXECUTABLE)
    vantrel_document(vantrel.txt text "${VANTREL_MANUAL}" "GROFF=${GROFF_EXECUTABLE}")
  else()
    message(WARNING "groff not found: the package will lack vantrel.txt, which the banner names")
  endif()
  install(FILES ${VANTREL_DOCUMENTS} DESTINATION "${VANTREL_INSTALL_DOCDIR}")
else()
  find_program(GZIP_EXECUTABLE gzip)
  if(NOT GZIP_EXECUTABLE)
    message(FATAL_ERROR "gzip is needed to compress the manual page and the change log")
  endif()
  vantrel_document(vantrel.1.gz gzip "${VANTREL_MANUAL}" "GZIP=${GZIP_EXECUTABLE}")
  vantrel_document(changelog.gz gzip "${PROJECT_SOURCE_DIR}/CHANGELOG.md" "GZIP=${GZIP_EXECUTABLE}")
  vantrel_document(copyright copyright "${PROJECT_SOURCE_DIR}/LICENSE")
  # The Debian change log of the package. The package is not native: its
  # changelog.gz is CHANGELOG.md, which Debian reads as the upstream change
  # log in any format, and a native package's changelog.gz would have to be
  # in Debian's format. So the version gets the revision -1, and this one
  # entry says where the changes are.
  vantrel_rfc2822_date(debian_date "${VANTREL_RELEASE_DATE}")
  file(CONFIGURE OUTPUT "${VANTREL_DOC_DIR}/changelog.Debian" @ONLY CONTENT
"vantrel (@PROJECT_VERSION@-@VANTREL_DEBIAN_RELEASE@) unstable; urgency=medium

  * vantrel @PROJECT_VERSION@; its changes are listed in changelog.gz.

 -- @VANTREL_PACKAGE_MAINTAINER@  @debian_date@
")
  vantrel_document(changelog.Debian.gz gzip "${VANTREL_DOC_DIR}/changelog.Debian"
                   "GZIP=${GZIP_EXECUTABLE}")
  install(FILES "${VANTREL_DOC_DIR}/vantrel.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
  install(FILES "${PROJECT_SOURCE_DIR}/README.md" "${VANTREL_DOC_DIR}/copyright"
                "${VANTREL_DOC_DIR}/changelog.gz" "${VANTREL_DOC_DIR}/changelog.Debian.gz"
          DESTINATION "${VANTREL_INSTALL_DOCDIR}")
endif()
add_custom_target(vantrel_documents ALL DEPENDS ${VANTREL_DOCUMENTS})

# The manual must format without a single warning; groff reports warnings
# on stderr and still exits 0, so any output fails the test.
if(BUILD_TESTING)
  if(GROFF_EXECUTABLE)
    add_test(NAME manual_page COMMAND "${GROFF_EXECUTABLE}" -man -ww -z "${VANTREL_MANUAL}")
    set_tests_properties(manual_page PROPERTIES FAIL_REGULAR_EXPRESSION ".")
  else()
    add_test(NAME manual_page COMMAND "${CMAKE_COMMAND}" -E echo "groff not found: manual not checked")
    set_tests_properties(manual_page PROPERTIES SKIP_REGULAR_EXPRESSION "groff not found")
  endif()
endif()

# Packages.
set(CPACK_PACKAGE_NAME "vantrel")
set(CPACK_PACKAGE_VENDOR "the vantrel authors")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${VANTREL_PACKAGE_MAINTAINER}")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "convert cosmos entity listings into command files")
# Kept to short lines: the .deb shows them as they are.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "vantrel reads the entity listings that the cosmos FE program logs to .gem\n"
  "files and writes command files that other programs replay: cosmos\n"
  "selection commands, region selections, Zebulon node and element sets,\n"
  "beam elements, displacement boundary conditions, or a cosmos batch file\n"
  "that turns selection files back into listings.")
set(CPACK_STRIP_FILES ON)
# Folders in the packages are rwxr-xr-x whatever the umask of the build.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

if(WIN32)
  set(CPACK_GENERATOR "ZIP")
  # One folder in the archive, vantrel-<version>-windows, that holds
  # vantrel.exe and its documents.
  set(CPACK_PACKAGE_FILE_NAME "vantrel-${PROJECT_VERSION}-windows")
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
  set(CPACK_GENERATOR "DEB")
  set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
  set(CPACK_DEBIAN_PACKAGE_RELEASE "${VANTREL_DEBIAN_RELEASE}")
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
