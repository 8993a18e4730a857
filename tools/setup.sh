#!/bin/bash
# Installs what the build and the tests need on Debian 12; quick when all is there.
# It installs what it can and says what it could not: a package source that fails, or a
# 32-bit package that cannot be had, never stops the 64-bit build and tests. Only what every
# preset needs (cmake, make, the cross compilers, Wine itself) fails it, by name.
# What kept the 32-bit Wine out is left in build/setup-32bit.txt for tools/test.sh and play.sh.
cd "$(dirname "$0")/.."
reason32=build/setup-32bit.txt
mkdir -p build
rm -f "$reason32"

# The needs every preset has, then the rest of the 64-bit ones, then the 32-bit ones: three
# lists of "package|test that tells it is there".
essential=(
  "cmake|command -v cmake"
  "make|command -v make"
  "mingw-w64|command -v i686-w64-mingw32-g++-posix && command -v x86_64-w64-mingw32-g++-posix"
  "wine|[ -x /usr/lib/wine/wine64 ]"
  "wine64|[ -x /usr/lib/wine/wine64 ]"
)
others=(
  # Wine's own fonts, as every player's Wine has them: dialogs are measured and shown in them.
  "fonts-wine|dpkg -s fonts-wine"
  "xvfb|command -v Xvfb"
  "xdotool|command -v xdotool"
  "imagemagick|[ -x /usr/bin/convert ]"
  "googletest|[ -f /usr/src/googletest/CMakeLists.txt ]"
  # The installer: wixl reads its WiX source, msibuild and msiinfo set and read the package,
  # and faketime holds the clock at the commit's time while they stamp it.
  "wixl|command -v wixl"
  "msitools|command -v msibuild"
  "faketime|command -v faketime"
  # The host preset: clang with its sanitizer and libFuzzer runtimes.
  "clang|command -v clang++"
  "libclang-rt-14-dev|ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a"
  # The sound test: Wine's ALSA driver plays through alsa-lib (its file and null plugins
  # are built in) of each architecture; sox reads the sounds, python3 the capture.
  "libasound2:amd64|dpkg -s libasound2:amd64"
  "sox|command -v sox"
  "python3|command -v python3"
)
bits32=(
  "wine32:i386|dpkg -s wine32:i386"
  "libasound2:i386|dpkg -s libasound2:i386"
)

missing() { # list name: the packages of that list not there yet
  local -n list=$1
  local entry
  for entry in "${list[@]}"; do
    eval "${entry#*|}" >/dev/null 2>&1 || echo "${entry%%|*}"
  done | sort -u
}
mapfile -t need_e < <(missing essential)
mapfile -t need_o < <(missing others)
mapfile -t need_32 < <(missing bits32)
[ ${#need_e[@]} -eq 0 ] && [ ${#need_o[@]} -eq 0 ] && [ ${#need_32[@]} -eq 0 ] && exit 0

export DEBIAN_FRONTEND=noninteractive
apt=(apt-get -o Acquire::Retries=3 -o DPkg::Lock::Timeout=120)
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386

# An index that fails (a mirror mid-sync, a source that does not answer) often passes a little
# later; one that still fails leaves the lists of the others, and those are used.
index_failed=
update() {
  local log; log=$(mktemp)
  "${apt[@]}" update -qq >"$log" 2>&1 && { rm -f "$log"; return 0; }
  sleep 10
  "${apt[@]}" update -qq >"$log" 2>&1 && { rm -f "$log"; return 0; }
  # Each index that failed, in one line: one of them may be what keeps a package out.
  index_failed=$(grep -E '^(E|W): Failed to fetch' "$log" | sed -e 's/^[EW]: //' -e 's/  */ /g' | paste -sd';' | sed 's/;/; /g')
  [ -n "$index_failed" ] || index_failed=$(grep -m1 -E '^(E|W): ' "$log" | sed -e 's/^[EW]: //' -e 's/  */ /g')
  echo "setup: apt-get update failed for a package source, installing from the others: $index_failed"
  rm -f "$log"
}

# apt's own reason a set of packages cannot be installed, in one line.
why() {
  grep -m1 -E 'Depends:|has no installation candidate|Unable to locate|Conflicts:|Breaks:|^E: ' "$1" |
    sed -e 's/^E: //' -e 's/^ *//' -e 's/  */ /g'
}

# install LIST...: all at once, else one by one so that the rest still go in; prints a line
# "package: reason" for each that did not.
install() {
  local log; log=$(mktemp)
  if "${apt[@]}" install -y -q --no-install-recommends "$@" >"$log" 2>&1; then
    rm -f "$log"
    return 0
  fi
  local p
  for p in "$@"; do
    "${apt[@]}" install -y -q --no-install-recommends "$p" >"$log" 2>&1 || echo "$p: $(why "$log")"
  done
  rm -f "$log"
}

echo "setup: installing $(echo ${need_e[*]} ${need_o[*]} ${need_32[*]})"
update
failed=$(install "${need_e[@]}" "${need_o[@]}")
failed32=
[ ${#need_32[@]} -gt 0 ] && failed32=$(install "${need_32[@]}")

status=0
for p in $(missing essential); do
  echo "setup: FAILED: $p, which every build needs, could not be installed: $(grep "^$p: " <<<"$failed" | cut -d' ' -f2-)"
  status=1
done
for p in $(missing others); do
  echo "setup: could not install $p: $(grep "^$p: " <<<"$failed" | cut -d' ' -f2-)"
done
for p in $(missing bits32); do
  line="$(grep "^$p: " <<<"$failed32" | cut -d' ' -f2-)${index_failed:+ (after apt-get update failed: $index_failed)}"
  echo "setup: could not install $p, so the 32-bit tests will not run: $line"
  [ "$p" = wine32:i386 ] && echo "the 32-bit Wine (wine32:i386) could not be installed: $line" >"$reason32"
done
exit $status
