# Makes the documents that the packages carry, one at a time, so that the
# build needs no shell for pipes and redirections:
#   cmake -DACTION=<action> -DINPUT=<file> -DOUTPUT=<file> [...] -P make-doc.cmake
# Actions:
#   text       renders the manual page INPUT as plain text with CR LF line
#              ends (GROFF names groff): no hyphenation across lines, bold
#              as plain characters and italic words (the placeholders and
#              file names) in <angle brackets>, see manual-text.tmac.
#   crlf       copies the text file INPUT with CR LF line ends.
#   gzip       compresses INPUT with gzip -9n (GZIP names gzip): the best
#              compression, without the file name and time stamp, as Debian
#              wants its documents.
#   copyright  writes the Debian copyright file of INPUT, the MIT licence
#              text of LICENSE, in the machine-readable format (DEP-5).
# Used by cmake/packaging.cmake.

cmake_minimum_required(VERSION 3.25)

foreach(variable ACTION INPUT OUTPUT)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "make-doc.cmake needs -D${variable}=...")
  endif()
endforeach()

# Reads INPUT into `text` with its line ends made LF.
macro(read_input)
  file(READ "${INPUT}" text)
  string(REPLACE "\r\n" "\n" text "${text}")
endmacro()

if(ACTION STREQUAL "text")
  read_input()
  # The italics in angle brackets (manual-text.tmac): its macros go right
  # after the .TH line, which loads the man macros that they replace, and
  # the inline \fI...\fP (or \fR) are given their brackets here.
  file(READ "${CMAKE_CURRENT_LIST_DIR}/manual-text.tmac" macros)
  string(REGEX REPLACE "(\\\\fI)((\\\\[^f]|[^\\\\])+)(\\\\f[PR])" "\\1<\\2>\\4" text "${text}")
  # Spliced in by position: the macros' backslashes must stay as they are.
  string(FIND "${text}" "\n.TH " at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${INPUT} has no .TH line")
  endif()
  math(EXPR at "${at} + 1")
  string(SUBSTRING "${text}" ${at} -1 rest)
  string(FIND "${rest}" "\n" length)
  math(EXPR at "${at} + ${length} + 1")
  string(SUBSTRING "${text}" 0 ${at} head)
  string(SUBSTRING "${text}" ${at} -1 rest)
  set(text "${head}${macros}${rest}")
  file(WRITE "${OUTPUT}.man" "${text}")
  # -rHY=0: no hyphenation. -Tascii with grotty's -c -b -u -o: plain
  # characters, no escape sequences and no overstriking.
  execute_process(
    COMMAND "${GROFF}" -man -ww -Tascii -rHY=0 -P-c -P-b -P-u -P-o "${OUTPUT}.man"
    OUTPUT_VARIABLE text
    ERROR_VARIABLE errors
    RESULT_VARIABLE status)
  file(REMOVE "${OUTPUT}.man")
  if(NOT status EQUAL 0 OR NOT errors STREQUAL "")
    message(FATAL_ERROR "groff failed on ${INPUT} (${status}): ${errors}")
  endif()
  string(ASCII 8 backspace)
  string(ASCII 27 escape)
  if(text MATCHES "[${backspace}${escape}]")
    message(FATAL_ERROR "the text of ${INPUT} holds overstriking or escape sequences")
  endif()
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE "${OUTPUT}" "${text}")
elseif(ACTION STREQUAL "crlf")
  read_input()
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE "${OUTPUT}" "${text}")
elseif(ACTION STREQUAL "gzip")
  execute_process(
    COMMAND "${GZIP}" -9n -c "${INPUT}"
    OUTPUT_FILE "${OUTPUT}"
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    file(REMOVE "${OUTPUT}")
    message(FATAL_ERROR "gzip failed on ${INPUT}: ${status}")
  endif()
elseif(ACTION STREQUAL "copyright")
  read_input()
  # The licence is MIT in the wording that Debian calls Expat; another
  # licence needs its name here.
  if(NOT text MATCHES "^MIT License\n")
    message(FATAL_ERROR "${INPUT} is no longer the MIT licence: name its licence in make-doc.cmake")
  endif()
  if(NOT text MATCHES "\nCopyright \\(c\\) ([^\n]+)\n+(.*)$")
    message(FATAL_ERROR "${INPUT} has no line 'Copyright (c) <year> <holder>'")
  endif()
  set(holder "${CMAKE_MATCH_1}")
  set(terms "${CMAKE_MATCH_2}")
  # The licence text as the format wants it: each line indented by one
  # blank, an empty line as " .".
  string(REGEX REPLACE "[ \t\n]+$" "" terms "${terms}")
  string(REGEX REPLACE "[ \t]+\n" "\n" terms "${terms}")
  string(REPLACE "\n" "\n " terms " ${terms}")
  string(REGEX REPLACE "\n \n" "\n .\n" terms "${terms}")
  string(REGEX REPLACE "\n \n" "\n .\n" terms "${terms}")
  file(WRITE "${OUTPUT}"
    "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
    "Upstream-Name: vantrel\n"
    "\n"
    "Files: *\n"
    "Copyright: ${holder}\n"
    "License: Expat\n"
    "${terms}\n")
else()
  message(FATAL_ERROR "make-doc.cmake: unknown ACTION ${ACTION}")
endif()
