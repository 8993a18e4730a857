#!/bin/bash
# The release zip as a player gets it: unpacked into an empty folder, the game starts,
# plays and writes trace lines that name their source files from the source tree.
# usage: release.sh build-dir outdir
build=$(readlink -f "$1")
out=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tools/env.sh"
votaroo_e2e
rm -rf "$out"
mkdir -p "$out/package" "$out/unzipped"
trace="$WINEPREFIX/drive_c/TMP/TRACE.QRV"
mkdir -p "$(dirname "$trace")"
rm -f "$trace"

fail() { echo "FAIL: $*"; import -window root "$out/failure.png" 2>/dev/null; exit 1; }

(cd "$build" && cpack -B "$out/package" >"$out/cpack.log" 2>&1) || fail "cpack: $(cat "$out/cpack.log")"
zip=$(ls "$out"/package/votaroo-*-win*.zip) || fail "no zip"
(cd "$out/unzipped" && cmake -E tar xf "$zip") || fail "cannot unpack $zip"
[ "$(cd "$out/unzipped" && ls | tr '\n' ' ')" = "README.txt votaroo-report.exe votaroo.exe " ] ||
  fail "the zip holds $(ls "$out/unzipped")"
lf=$(grep -c $'[^\r]$' "$out/unzipped/README.txt")
[ "$lf" = 0 ] || fail "README.txt has $lf lines without CR LF"

"$root/tools/wine-run.sh" "$out/unzipped/votaroo.exe" >"$out/wine.log" 2>&1 &
game=$!
votaroo_started $game
wlog="$out/wine.log"
votaroo_game_window || fail "no game window (the game: $(kill -0 $game 2>/dev/null && echo running || echo ended); Wine said: $(tail -c 300 "$wlog" 2>/dev/null | tr "\n" " "))"
import -window root "$out/window.png"

# Start, wait for the first regular deal, one answer with the space bar (one wrong answer
# cannot end the game) and its line, then Alt+F4.
xdotool mousemove $((cx + 580)) $((cy + 35)) click 1
xdotool mousemove $((cx + 5)) $((cy + 470))
votaroo_at_least 30 1 votaroo_deals || fail "no card dealt"
import -window root "$out/playing.png"
xdotool key space
votaroo_at_least 30 1 votaroo_answers || fail "the space bar was no answer"
xdotool key alt+F4
votaroo_wait 60 votaroo_ended $game || fail "the game did not close on Alt+F4"

[ -s "$trace" ] || fail "no trace lines"
awk '!/^game\/MainFrameWnd\.cpp \[[0-9]+\] => .*\r$/ { bad++ } END { exit bad > 0 }' "$trace" ||
  fail "a trace line without its relative file name: $(grep -av '^game/MainFrameWnd.cpp \[' "$trace" | head -1)"
grep -aqF "=> $VOTAROO_WORD_ANSWER" "$trace" || fail "no answer traced"
echo "release zip: $(basename "$zip") unpacked, played, $(wc -l <"$trace") trace lines"
