# Hardening of Release builds for Linux, with the flags that Debian builds its
# own packages with (dpkg-buildflags with hardening=+all):
#   -D_FORTIFY_SOURCE=2        checked variants of the string and stdio calls
#                              (needs optimisation, which Release has)
#   -fstack-protector-strong   a canary in every function with local arrays
#   -fPIE, -pie                a position-independent executable
#   -Wl,-z,relro -Wl,-z,now    relocations read-only once resolved, all at start
# Included by the top-level CMakeLists.txt before its targets, so the tests
# run on code built the way the package ships it. Debug builds, the sanitizer
# build (-DVANTREL_SANITIZE=ON) and the fuzz targets (RelWithDebInfo) are
# left alone: fortified calls hide errors from AddressSanitizer.
# -DVANTREL_HARDEN=OFF turns it off, for instance to time the bare code.
# VANTREL_HARDENED tells the rest of the build whether it is on: a static
# build (VANTREL_STATIC) then links with -static-pie to stay a PIE.

option(VANTREL_HARDEN "Harden Release builds on Linux as Debian does" ON)
set(VANTREL_HARDENED OFF)

if(VANTREL_HARDEN AND CMAKE_BUILD_TYPE STREQUAL "Release" AND NOT VANTREL_SANITIZE
   AND CMAKE_SYSTEM_NAME STREQUAL "Linux" AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  # -U first: some compilers define _FORTIFY_SOURCE themselves, and a second
  # definition would be a warning, an error under -DVANTREL_WERROR=ON.
  add_compile_options(-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2 -fstack-protector-strong -fPIE)
  add_link_options(-pie -Wl,-z,relro -Wl,-z,now)
  set(VANTREL_HARDENED ON)
endif()
