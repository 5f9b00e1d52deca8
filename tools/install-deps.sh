#!/usr/bin/env bash
# Installs what building and testing need when it is missing: cmake,
# ninja-build, g++, python3 and GoogleTest. Quiet and quick when all is there.
# With --windows, also the Windows cross-compiler (MinGW-w64, POSIX threads)
# and Wine to run its tests, without their recommended extras.
set -euo pipefail

windows_need=()
if [ "${1:-}" = --windows ]; then
  command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1 || windows_need+=(g++-mingw-w64-x86-64-posix)
  command -v wine >/dev/null 2>&1 || windows_need+=(wine wine64)
fi

need=()
command -v cmake >/dev/null 2>&1 || need+=(cmake)
command -v ninja >/dev/null 2>&1 || need+=(ninja-build)
command -v g++ >/dev/null 2>&1 || need+=(g++)
command -v python3 >/dev/null 2>&1 || need+=(python3)
[ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
[ ${#need[@]} -eq 0 ] && [ ${#windows_need[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "Missing to build and test tbasic: ${need[*]} ${windows_need[*]}. They cannot be installed from here: you are not root and sudo is not available. Run as root: apt-get update && apt-get install -y ${need[*]} ${windows_need[*]}" >&2
  exit 1
fi
echo "installing: ${need[*]} ${windows_need[*]}" >&2
"${sudo[@]}" apt-get update -qq
if [ ${#need[@]} -gt 0 ]; then
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${need[@]}" >/dev/null
fi
if [ ${#windows_need[@]} -gt 0 ]; then
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${windows_need[@]}" >/dev/null
fi
