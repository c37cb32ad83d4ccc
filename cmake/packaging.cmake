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
#   Linux, static (-DVANTREL_STATIC=ON, for the .rpm)
#            share/man/man1/vantrel.1.gz, README.md and CHANGELOG.md in
#            share/doc/vantrel/, and LICENSE in share/licenses/vantrel/, as
#            the Red Hat family keeps them (the .rpm marks it %license).
#   Windows  one flat folder: vantrel.exe, README.txt, LICENSE.txt,
#            CHANGELOG.txt and vantrel.txt (the manual page as text), all
#            with CR LF line ends so that Notepad shows them.
# The banner's manual line (cmake/identity.txt, one for each package) names
# these files; scripts/package checks that each package holds what its
# banner names.
#
# CPack makes a .deb on Linux, an .rpm from the static Linux build and a
# .zip on Windows (the MinGW-w64 cross build included):
#   cpack -G DEB    (Linux)   cpack -G RPM    (Linux, static)   cpack -G ZIP    (Windows)
# scripts/package builds and checks all three, and makes the Linux archive
# vantrel-<version>-x86_64-linux.tar.gz from the static build;
# scripts/release makes a release.
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
#
# rpmlint (Debian's, with its default configuration and the filters of
# cmake/vantrel.rpmlintrc, each with its reason) checks the .rpm in
# scripts/package the same way: it fails on any error (E:) and on any warning
# (W:) that is not listed below with its reason, one a line as
# "# rpm W: <check>: <reason>".
# The warnings that remain:
# rpm W: no-url-tag: the project has no web site to name; a made-up address
#    would be worse than none.
# rpm W: no-manual-page-for-binary: the page is there, as
#    /usr/share/man/man1/vantrel.1.gz; rpmlint 2.4 compares the names of the
#    programs with the sections of the pages found ("1"), not their names.
# rpm W: manpage-not-compressed: Debian's rpmlint expects man pages in bzip2
#    (its default CompressExtension, from Mandriva); RHEL, Fedora and SUSE
#    compress them with gzip, as rpmbuild's brp-compress does by default.
# rpm W: invalid-license: Debian's rpmlint has an empty list of valid
#    licences, so it names any; MIT is the SPDX name that Fedora uses.

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
# The Debian revision of the package of this version, and the RPM release.
set(VANTREL_DEBIAN_RELEASE 1)
set(VANTREL_RPM_RELEASE 1)

# vantrel_date_names(<prefix> YYYY-MM-DD) sets <prefix>_weekday (Mon),
# <prefix>_day (07), <prefix>_month (Dec) and <prefix>_year (2026), the parts
# of that day as the change logs of the packages write it.
function(vantrel_date_names prefix date)
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
  set(${prefix}_weekday "${weekday_name}" PARENT_SCOPE)
  set(${prefix}_day "${day}" PARENT_SCOPE)
  set(${prefix}_month "${month_name}" PARENT_SCOPE)
  set(${prefix}_year "${year}" PARENT_SCOPE)
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
  install(FILES "${VANTREL_DOC_DIR}/vantrel.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
  if(VANTREL_STATIC)
    install(FILES "${PROJECT_SOURCE_DIR}/README.md" "${PROJECT_SOURCE_DIR}/CHANGELOG.md"
            DESTINATION "${VANTREL_INSTALL_DOCDIR}")
    install(FILES "${PROJECT_SOURCE_DIR}/LICENSE"
            DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/licenses/${PROJECT_NAME}")
  else()
    vantrel_document(changelog.gz gzip "${PROJECT_SOURCE_DIR}/CHANGELOG.md" "GZIP=${GZIP_EXECUTABLE}")
    vantrel_document(copyright copyright "${PROJECT_SOURCE_DIR}/LICENSE")
    # The Debian change log of the package. The package is not native: its
    # changelog.gz is CHANGELOG.md, which Debian reads as the upstream change
    # log in any format, and a native package's changelog.gz would have to be
    # in Debian's format. So the version gets the revision -1, and this one
    # entry says where the changes are.
    # Midnight UTC of the release day, as Debian change logs write it:
    # "Mon, 07 Dec 2026 00:00:00 +0000".
    vantrel_date_names(release "${VANTREL_RELEASE_DATE}")
    set(debian_date "${release_weekday}, ${release_day} ${release_month} ${release_year} 00:00:00 +0000")
    file(CONFIGURE OUTPUT "${VANTREL_DOC_DIR}/changelog.Debian" @ONLY CONTENT
"vantrel (@PROJECT_VERSION@-@VANTREL_DEBIAN_RELEASE@) unstable; urgency=medium

  * vantrel @PROJECT_VERSION@; its changes are listed in changelog.gz.

 -- @VANTREL_PACKAGE_MAINTAINER@  @debian_date@
")
    vantrel_document(changelog.Debian.gz gzip "${VANTREL_DOC_DIR}/changelog.Debian"
                     "GZIP=${GZIP_EXECUTABLE}")
    install(FILES "${PROJECT_SOURCE_DIR}/README.md" "${VANTREL_DOC_DIR}/copyright"
                  "${VANTREL_DOC_DIR}/changelog.gz" "${VANTREL_DOC_DIR}/changelog.Debian.gz"
            DESTINATION "${VANTREL_INSTALL_DOCDIR}")
  endif()
endif()
add_custom_target(vantrel_documents ALL DEPENDS ${VANTREL_DOCUMENTS})

# The manual must format without a single warning; groff reports warnings
# on stderr and still exits 0, so any output fails the test.
if(BUILD_TESTING)
  if(GROFF_EXECUTABLE)
    add_test(NAME manual_page COMMAND "${GROFF_EXECUTABLE}" -man -ww -z "${VANTREL_MANUAL}")
    set_tests_properties(manual_page PROPERTIES FAIL_REGULAR_EXPRESSION "." LABELS doc)
  else()
    add_test(NAME manual_page COMMAND "${CMAKE_COMMAND}" -E echo "groff not found: manual not checked")
    set_tests_properties(manual_page PROPERTIES SKIP_REGULAR_EXPRESSION "groff not found" LABELS doc)
  endif()
  # The change log, the README and the manual page name this version and
  # its packages (cmake/check-documents.cmake). The names of the Linux
  # packages take the machine's architecture, as dpkg and rpm name it.
  if(NOT WIN32)
    find_program(DPKG_EXECUTABLE dpkg)
    if(DPKG_EXECUTABLE)
      execute_process(COMMAND "${DPKG_EXECUTABLE}" --print-architecture
                      OUTPUT_VARIABLE deb_arch OUTPUT_STRIP_TRAILING_WHITESPACE)
    elseif(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
      set(deb_arch amd64)
    else()
      set(deb_arch "${CMAKE_SYSTEM_PROCESSOR}")
    endif()
    add_test(NAME documents
             COMMAND "${CMAKE_COMMAND}" "-DSOURCE_DIR=${PROJECT_SOURCE_DIR}" "-DMANUAL=${VANTREL_MANUAL}"
                     "-DVERSION=${PROJECT_VERSION}" "-DDATE=${VANTREL_RELEASE_DATE}"
                     "-DDEB_RELEASE=${VANTREL_DEBIAN_RELEASE}" "-DRPM_RELEASE=${VANTREL_RPM_RELEASE}"
                     "-DARCH=${CMAKE_SYSTEM_PROCESSOR}" "-DDEB_ARCH=${deb_arch}"
                     -P "${CMAKE_CURRENT_LIST_DIR}/check-documents.cmake")
    set_tests_properties(documents PROPERTIES LABELS doc)
  endif()
endif()

# Packages.
set(CPACK_PACKAGE_NAME "vantrel")
set(CPACK_PACKAGE_VENDOR "the vantrel authors")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${VANTREL_PACKAGE_MAINTAINER}")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
# The summary is the banner's tagline (cmake/identity.txt), which reads as
# Debian's synopses do: "vantrel - <tagline>".
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${VANTREL_IDENTITY_tagline}")
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
elseif(VANTREL_STATIC)
  # vantrel-<version>-<release>.<arch>.rpm with the static program, which
  # needs nothing of the system: it installs on RHEL 8 (glibc 2.28) and
  # later, SUSE and the other RPM-based systems.
  set(CPACK_GENERATOR "RPM")
  set(CPACK_RPM_FILE_NAME "RPM-DEFAULT")
  set(CPACK_RPM_PACKAGE_RELEASE "${VANTREL_RPM_RELEASE}")
  set(CPACK_RPM_PACKAGE_LICENSE "MIT")
  set(CPACK_RPM_PACKAGE_GROUP "Applications/Engineering")
  set(CPACK_RPM_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
  # RPM summaries begin with a capital letter.
  string(SUBSTRING "${VANTREL_IDENTITY_tagline}" 0 1 first)
  string(SUBSTRING "${VANTREL_IDENTITY_tagline}" 1 -1 rest)
  string(TOUPPER "${first}" first)
  set(CPACK_RPM_PACKAGE_SUMMARY "${first}${rest}")
  # The program needs nothing of the system; the dependencies that rpmbuild
  # reads from binaries would name the dynamic loader, which it never uses.
  set(CPACK_RPM_PACKAGE_AUTOREQ OFF)
  # Installed where it was built for, under /usr: not relocatable.
  set(CPACK_PACKAGE_RELOCATABLE OFF)
  set(CPACK_RPM_PACKAGE_RELOCATABLE OFF)
  # The Packager tag comes from rpm's %packager; no links to the program
  # under /usr/lib/.build-id, which belong with debugging symbols, and the
  # package has none.
  set(CPACK_RPM_SPEC_MORE_DEFINE
      "%define packager ${VANTREL_PACKAGE_MAINTAINER}\n%define _build_id_links none")
  # rpm marks files under the manual folder as documentation by itself; the
  # others are named with their kind, so that "rpm -qd" and "rpm -qL" list
  # them and "--excludedocs" leaves them out.
  set(CPACK_RPM_USER_FILELIST
      "%doc /usr/share/doc/vantrel/README.md"
      "%doc /usr/share/doc/vantrel/CHANGELOG.md"
      "%license /usr/share/licenses/vantrel/LICENSE")
  # The package owns its own folders, never those of the system's
  # filesystem package (share/licenses is not in CPack's default list).
  set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION
      /usr/share/man /usr/share/man/man1 /usr/share/licenses)
  # The change log of the package: one entry that says where the changes are.
  # The release day as RPM change logs write it: "Mon Dec 07 2026".
  vantrel_date_names(release "${VANTREL_RELEASE_DATE}")
  set(rpm_date "${release_weekday} ${release_month} ${release_day} ${release_year}")
  file(CONFIGURE OUTPUT "${VANTREL_DOC_DIR}/changelog.rpm" @ONLY CONTENT
"* @rpm_date@ @VANTREL_PACKAGE_MAINTAINER@ - @PROJECT_VERSION@-@VANTREL_RPM_RELEASE@
- vantrel @PROJECT_VERSION@; its changes are listed in /usr/share/doc/vantrel/CHANGELOG.md.
")
  set(CPACK_RPM_CHANGELOG_FILE "${VANTREL_DOC_DIR}/changelog.rpm")
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
