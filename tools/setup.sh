#!/bin/bash
# Installs what the build and the tests need on Debian 12; quick when all is there.
set -e
need=()
command -v cmake >/dev/null || need+=(cmake)
command -v i686-w64-mingw32-g++-posix >/dev/null || need+=(mingw-w64)
command -v x86_64-w64-mingw32-g++-posix >/dev/null || need+=(mingw-w64)
[ -x /usr/lib/wine/wine64 ] || need+=(wine wine64)
dpkg -s wine32:i386 >/dev/null 2>&1 || need+=(wine32:i386)
# Wine's own fonts, as every player's Wine has them: dialogs are measured and shown in them.
dpkg -s fonts-wine >/dev/null 2>&1 || need+=(fonts-wine)
command -v Xvfb >/dev/null || need+=(xvfb)
command -v xdotool >/dev/null || need+=(xdotool)
[ -x /usr/bin/convert ] || need+=(imagemagick)
[ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
# The installer: wixl reads its WiX source, msibuild and msiinfo set and read the package, and
# faketime holds the clock at the commit's time while they stamp it.
command -v wixl >/dev/null || need+=(wixl)
command -v msibuild >/dev/null || need+=(msitools)
command -v faketime >/dev/null || need+=(faketime)
# The host preset: clang with its sanitizer and libFuzzer runtimes.
command -v clang++ >/dev/null || need+=(clang)
ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 || need+=(libclang-rt-14-dev)
command -v make >/dev/null || need+=(make)
# The sound test: Wine's ALSA driver plays through alsa-lib (its file and null plugins are
# built in) of each architecture; sox reads the sounds, python3 the capture.
dpkg -s libasound2:amd64 >/dev/null 2>&1 || need+=(libasound2:amd64)
dpkg -s libasound2:i386 >/dev/null 2>&1 || need+=(libasound2:i386)
command -v sox >/dev/null || need+=(sox)
command -v python3 >/dev/null || need+=(python3)
if [ ${#need[@]} -gt 0 ]; then
  echo "setup: installing ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
