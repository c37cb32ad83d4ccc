# The documents agree with the version of CMakeLists.txt: CHANGELOG.md has
# the entry "## <version> (<release date>)", README.md's table of packages
# names the four packages of this version and gives the commands that
# install the .rpm and the archive, and the manual page, as CMake made it,
# shows the version and the date on its .TH line. ctest runs it as the test
# "documents" (label doc):
#   cmake -DSOURCE_DIR=<sources> -DMANUAL=<build>/doc/vantrel.1
#         -DVERSION=1.2.0 -DDATE=2026-12-08 -DDEB_RELEASE=1 -DRPM_RELEASE=1
#         -DARCH=x86_64 -DDEB_ARCH=amd64 -P check-documents.cmake
# Prints each check; fails when any does not hold.

cmake_minimum_required(VERSION 3.25)

set(failures 0)
# check(<label> <file> <line>...): each <line> is a whole line of <file>.
function(check label file)
  file(READ "${file}" text)
  set(text "\n${text}\n")
  foreach(line IN LISTS ARGN)
    string(FIND "${text}" "\n${line}\n" at)
    if(at EQUAL -1)
      message(SEND_ERROR "${label} has no line '${line}'")
      math(EXPR failures "${failures} + 1")
      set(failures ${failures} PARENT_SCOPE)
    else()
      message(STATUS "ok    ${label}: ${line}")
    endif()
  endforeach()
endfunction()

# README.md's table of packages: rows that start with the name in backquotes.
function(check_table_rows file)
  file(STRINGS "${file}" rows REGEX "^\\| `")
  foreach(name IN LISTS ARGN)
    set(found OFF)
    foreach(row IN LISTS rows)
      string(FIND "${row}" "| `${name}` |" at)
      if(at EQUAL 0)
        set(found ON)
      endif()
    endforeach()
    if(found)
      message(STATUS "ok    README.md's table of packages names ${name}")
    else()
      message(SEND_ERROR "README.md's table of packages does not name ${name}")
      math(EXPR failures "${failures} + 1")
      set(failures ${failures} PARENT_SCOPE)
    endif()
  endforeach()
endfunction()

foreach(var SOURCE_DIR MANUAL VERSION DATE DEB_RELEASE RPM_RELEASE ARCH DEB_ARCH)
  if("${${var}}" STREQUAL "")
    message(FATAL_ERROR "check-documents.cmake needs -D${var}=")
  endif()
endforeach()

check(CHANGELOG.md "${SOURCE_DIR}/CHANGELOG.md" "## ${VERSION} (${DATE})")
check_table_rows("${SOURCE_DIR}/README.md"
  "vantrel_${VERSION}-${DEB_RELEASE}_${DEB_ARCH}.deb"
  "vantrel-${VERSION}-${RPM_RELEASE}.${ARCH}.rpm"
  "vantrel-${VERSION}-${ARCH}-linux.tar.gz"
  "vantrel-${VERSION}-windows.zip")
check(README.md "${SOURCE_DIR}/README.md"
  "    sudo dnf install ./vantrel-${VERSION}-${RPM_RELEASE}.${ARCH}.rpm"
  "    tar -xzf vantrel-${VERSION}-${ARCH}-linux.tar.gz"
  "    export PATH=\"\$PWD/vantrel-${VERSION}-${ARCH}-linux:\$PATH\"")
check("the manual page" "${MANUAL}"
  ".TH VANTREL 1 ${DATE} \"vantrel ${VERSION}\" \"User Commands\"")
if(failures GREATER 0)
  message(FATAL_ERROR "${failures} checks of the documents failed")
endif()
