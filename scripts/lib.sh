# Shell helpers of the scripts in scripts/, sourced by them:
#   source "$(dirname "$0")/lib.sh"
# Sourcing it moves to the top of the work tree, which it keeps in $root,
# and sets $jobs, the build jobs (JOBS, default 2). The builds themselves
# are the presets of CMakePresets.json: cmake --preset NAME, cmake --build
# --preset NAME, ctest --preset NAME.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
jobs=${JOBS:-2}

# Progress and verdicts: a section heading with the seconds since the
# script started, a check passed, a check failed (which ends the script).
section() { printf '== %s (%ss)\n' "$*" "$SECONDS"; }
ok() { printf 'ok    %s\n' "$*"; }
fail() {
  printf 'FAIL  %s\n' "$*"
  exit 1
}

# Runs a command quietly; shows its output only when it fails, then fails.
quiet() {
  local out
  if ! out=$("$@" 2>&1); then
    printf '%s\n' "$out"
    fail "$*"
  fi
}

# identity NAME: the text of the line NAME= of cmake/identity.txt, the one
# place of the banner's identity lines (its tagline, its manual lines).
identity() {
  local text
  text=$(sed -n "s/^$1=//p" "$root/cmake/identity.txt")
  [[ -n $text ]] || fail "cmake/identity.txt has no line $1="
  printf '%s\n' "$text"
}

# use_wine BUILD: runs wine from now on as the ctest of the Windows build
# folder BUILD does (cmake/mingw-w64.cmake): in the prefix of that folder,
# which the first start makes, without Mono and Gecko.
use_wine() {
  export WINEPREFIX=$1/wineprefix WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES='mscoree,mshtml='
}
