#!/bin/bash
# Two short games of the real program, each into a log of its own (as two children's computers
# would give), then the class report of both, and of both with a log that is not there; then two
# children's games on one computer by the keyboard, and the report of that log by child.
# usage: class.sh votaroo.exe votaroo-report.exe outdir

exe=$(readlink -f "$1")
report=$(readlink -f "$2")
out=$3
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tools/env.sh"
votaroo_e2e
mkdir -p "$out"
tmp="$WINEPREFIX/drive_c/TMP"
class="$tmp/class"
rm -rf "$class"
mkdir -p "$class"
rm -f "$tmp/TRACE.QRV"

fail() { echo "FAIL: $*"; import -window root "$out/class-failure.png" 2>/dev/null; exit 1; }
step() { echo "-- $*"; }

"$root/tools/wine-run.sh" "$exe" >"$out/class-wine.log" 2>&1 &
game=$!
votaroo_started $game

wlog="$out/class-wine.log"
votaroo_game_window || fail "no game window (the game: $(kill -0 $game 2>/dev/null && echo running || echo ended); Wine said: $(tail -c 300 "$wlog" 2>/dev/null | tr "\n" " "))"
click() { xdotool mousemove $((cx + $1)) $((cy + $2)) click 1; }

# Start, then a click on every card until "Game over!", which is closed. Not the space bar: one
# meant for the last card could close the box, and the next press Start, focused then.
answer_until_over() {
  click 320 470
  sleep 0.25
  votaroo_box_open
}
play_one() {
  click 580 35
  xdotool mousemove $((cx + 5)) $((cy + 470))
  votaroo_at_least 30 1 votaroo_deals || fail "no card dealt after Start"
  votaroo_wait 120 answer_until_over || fail "no \"Game over!\" box"
  sleep 0.3
  xdotool key Return
  votaroo_wait 30 votaroo_box_closed || fail "the box did not close"
  # The game deals one more card after the box; its lines belong to this log.
  votaroo_game_settled
}

step "two games, each into a log of its own"
play_one
mv "$tmp/TRACE.QRV" "$class/anna.qrv" || fail "no trace log after the first game"
play_one
mv "$tmp/TRACE.QRV" "$class/ben.qrv" || fail "no trace log after the second game"
click 580 445
votaroo_wait 60 votaroo_ended $game || fail "still running after Exit"

run_report() { # output name, then arguments
  local name=$1
  shift
  "$root/tools/wine-run.sh" "$report" "$@" >"$out/$name.txt" 2>"$out/$name.err"
  local code=$?
  tr -d '\r' <"$out/$name.txt" >"$out/$name.clean"
  return $code
}

step "the class report of both"
(cd "$class" && run_report class-two 'C:\TMP\class\anna.qrv' 'C:\TMP\class\ben.qrv') ||
  fail "the class report failed: $(cat "$out/class-two.err")"
page="$class/votaroo-class-report.html"
[ -f "$page" ] || fail "no votaroo-class-report.html in the current folder"
for child in anna ben; do
  verdicts=$(VOTAROO_TRACE=$class/$child.qrv votaroo_verdicts | wc -l)
  grep -q "^$child: 1 game, $verdicts cards dealt, " "$out/class-two.clean" ||
    fail "$child: $(cat "$out/class-two.clean")"
  grep -q "<td class=\"name\">$child</td><td>1</td><td>$verdicts</td>" "$page" || fail "no row for $child"
  grep -q "<h2>$child</h2>" "$page" || fail "no section for $child"
done
grep -q "^Class: 2 games, " "$out/class-two.clean" || fail "class line: $(cat "$out/class-two.clean")"
[ "$(grep -c '<svg' "$page")" = 5 ] || fail "the page should have the class grid and two charts and grids"
[ ! -e "$page.part" ] || fail "the sections' file was left behind"
cp "$page" "$out/class-report.html"

step "one log that is not there is named, the others reported"
run_report class-missing --out 'C:\TMP\class\with-missing.html' 'C:\TMP\class\anna.qrv' 'C:\TMP\class\carla.qrv' \
  'C:\TMP\class\ben.qrv'
code=$?
[ $code = 2 ] || fail "exit code $code with a missing log"
grep -q "^carla: NOT READ, cannot open the trace log" "$out/class-missing.clean" || fail "$(cat "$out/class-missing.clean")"
grep -q "cannot open the trace log" "$out/class-missing.err" || fail "no message on stderr"
grep -q "<td class=\"name\">carla</td><td colspan=\"7\" class=\"error\">could not be read" "$class/with-missing.html" ||
  fail "the missing log is not named on the page"
[ "$(grep -c '<section class="log">' "$class/with-missing.html")" = 2 ] || fail "the other logs are not reported"

step "three children on one computer: two games by the keyboard alone, the report of that log"
players="$tmp/players"
rm -rf "$players" && mkdir -p "$players" && cp "$exe" "$players/"
printf '[Votaroo]\r\nPlayers=Ann,Ben,Cem\r\n' >"$players/votaroo.ini"
rm -f "$tmp/TRACE.QRV"
"$root/tools/wine-run.sh" "$players/$(basename "$exe")" >"$wlog" 2>&1 &
game=$!
votaroo_started $game
votaroo_game_window || fail "no game window with the players' preset"
named() { [ "$(votaroo_window_count "${1:-Who is playing[?]}")" -ge "${2:-1}" ]; }
title_back() { [ "$(votaroo_window_count 'Votaroo!')" = 1 ] && ! named "Votaroo! .* $1"; }
# Enter on Start asks who is playing; the arrows reach the name, Enter chooses. Then the space
# bar answers, waiting for each answer's line, until "Game over!", closed by Enter.
play_as() { # name, arrow presses
  xdotool key Return
  votaroo_wait 30 named || fail "Start did not ask who is playing"
  sleep 0.5
  import -window root "$out/who-is-playing-$1.png"
  for ((k = 0; k < $2; k++)); do xdotool key Down; sleep 0.2; done
  xdotool key Return
  votaroo_wait 30 named "Votaroo! .* $1" || fail "the caption does not name $1"
  votaroo_wait 30 grep -qaF "$VOTAROO_WORD_PLAYER$1" "$(votaroo_trace)" || fail "no player line for $1"
  votaroo_at_least 30 $(($(votaroo_deals) + 1)) votaroo_deals || fail "no card dealt for $1"
  local n
  for ((n = $(votaroo_answers) + 1; n < 400; n++)); do
    xdotool key space
    votaroo_at_least 30 $n votaroo_answers || fail "the space bar gave no answer"
    sleep 0.5
    named "Votaroo! .* $1" 2 && break
  done
  xdotool key Return
  votaroo_wait 30 title_back "$1" || fail "the box did not close, or the caption still names $1"
  votaroo_game_settled
}
play_as Ann 0
play_as Ben 1
click 580 445
votaroo_wait 60 votaroo_ended $game || fail "still running after Exit"
run_report players 'C:\TMP\TRACE.QRV' || fail "the report of the players' log failed: $(cat "$out/players.err")"
page="$tmp/TRACE-report.html"
for child in 1-Ann 2-Ben; do
  grep -q '<div class="tile"><b>1</b>game</div>' "$tmp/TRACE-report-$child.html" || fail "no page of one game for $child"
  grep -q "<td class=\"name\"><a href=\"TRACE-report-$child.html\">${child#*-}</a></td><td>1</td>" "$page" ||
    fail "no row for ${child#*-} on the class page"
done
[ ! -e "$tmp/TRACE-report-3-Cem.html" ] || fail "a page for Cem, who did not play"
grep -q "Children: 2; logs: 1; " "$page" || fail "the class page does not count two children of one log"
cp "$page" "$tmp"/TRACE-report-?-*.html "$out/"
echo "PASS"
