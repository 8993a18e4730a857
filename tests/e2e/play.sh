#!/bin/bash
# Works the real program under Wine with xdotool as a person would, checking what they see.
# usage: play.sh votaroo.exe outdir [votaroo-report.exe]

exe=$(readlink -f "$1")
out=$2
report=${3:+$(readlink -f "$3")}
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tools/env.sh"
votaroo_e2e
mkdir -p "$out"
rm -f "$out"/*.png
trace="$WINEPREFIX/drive_c/TMP/TRACE.QRV"
mkdir -p "$(dirname "$trace")" # the game writes its log only where the folder is
rm -f "$trace"

fail() { echo "FAIL: $*"; import -window root "$out/failure.png" 2>/dev/null; exit 1; }
step() { echo "-- $*"; }

"$root/tools/wine-run.sh" "$exe" >"$out/wine.log" 2>&1 &
game=$!
votaroo_started $game

windows() { votaroo_windows "$@"; }
shown() { [ -n "$(windows "$1")" ]; }
gone() { [ -z "$(windows "$1")" ]; }

step "the window appears"
wlog="$out/wine.log"
votaroo_game_window || fail "no game window (the game: $(kill -0 $game 2>/dev/null && echo running || echo ended); Wine said: $(tail -c 300 "$wlog" 2>/dev/null | tr "\n" " "))"
[ "$border" -ge 0 ] && [ "$border" -le 8 ] || fail "unexpected frame ${WIDTH}x${HEIGHT}"

shot() { # name: the client area of the game window
  import -window root -crop 640x480+$cx+$cy +repage "$out/$1.png" || fail "screenshot $1"
}
rgb() { # name x y -> "r g b"
  convert "$out/$1.png" -format '%[fx:int(255*p{'$2','$3'}.r)] %[fx:int(255*p{'$2','$3'}.g)] %[fx:int(255*p{'$2','$3'}.b)]' info:
}
close_to() { # "r g b" "r g b" tolerance
  local a=($1) b=($2) i
  for i in 0 1 2; do
    local d=$((a[i] - b[i]))
    [ ${d#-} -le $3 ] || return 1
  done
}
# Pixels in a rectangle of a shot that are clearly blue.
blue_count() { # name w h x y
  convert "$out/$1.png" -crop "$2x$3+$4+$5" +repage txt:- |
    awk -F'[(),]' 'NR > 1 && $5 + 0 > 150 && $3 + 0 < 100 && $4 + 0 < 100 { n++ } END { print n + 0 }'
}
click() { xdotool mousemove $((cx + $1)) $((cy + $2)) click 1; }
park() { xdotool mousemove $((cx + 5)) $((cy + 470)); }
convert "$root/resources/whitehouse.jpg" "$out/background.png"
buttons_shown() { # name
  local top
  for top in 20 60 100 140 180 430; do
    [ "$(blue_count "$1" 60 10 550 $((top + 10)))" -gt 300 ] || return 1
  done
}

# Any unnamed window of the program on screen: the remark balloon.
balloon_showing() {
  local id
  for id in $(xwininfo -root -children | awk '/\(has no name\): \("votaroo.exe"/ { print $1 }'); do
    xwininfo -id "$id" | grep -q "IsViewable" && return 0
  done
  return 1
}

step "the scene before the first game"
# A mouse resting on the window between remarks shows no balloon.
xdotool mousemove $((cx + 300)) $((cy + 200))
sleep 0.2
xdotool mousemove $((cx + 305)) $((cy + 205))
sleep 1.5
balloon_showing && fail "a balloon popped up without a remark"
park
sleep 0.5
shot idle
for p in "20 420" "300 470" "600 300" "100 250"; do
  close_to "$(rgb idle $p)" "$(rgb background $p)" 40 || fail "background at $p: $(rgb idle $p)"
done
# The flag at position 2 hangs at y 94: its red stripes there, not at position 0's place.
close_to "$(rgb idle 332 115)" "200 16 46" 40 || fail "flag not at y 94: $(rgb idle 332 115)"
close_to "$(rgb idle 332 95)" "200 16 46" 40 || fail "flag top not at y 94"
[ "$(blue_count idle 60 20 50 45)" -gt 15 ] || fail "no blue \"Votes\" text"
buttons_shown idle || fail "the six buttons are not all showing"
[ "$(blue_count idle 60 5 550 55)" -lt 10 ] || fail "something between Start and Setup"

step "the keyboard alone: About and a link by Tab and Enter, then Start by Enter"
# Links followed under Wine go to winebrowser, which runs the first of its browsers: here a
# script that records the address. The setting is taken out again when the test ends.
links="$out/links.txt"
rm -f "$links"
printf '#!/bin/sh\necho "$1" >>"%s"\n' "$links" >"$out/browser.sh"
chmod +x "$out/browser.sh"
browsers='HKCU\Software\Wine\WineBrowser'
/usr/lib/wine/wine64 reg add "$browsers" /v Browsers /d "$out/browser.sh" /f >/dev/null 2>&1
/usr/lib/wine/wine64 reg add "$browsers" /v Mailers /d "$out/browser.sh" /f >/dev/null 2>&1
forget_browser() {
  /usr/lib/wine/wine64 reg delete "$browsers" /v Browsers /f >/dev/null 2>&1
  /usr/lib/wine/wine64 reg delete "$browsers" /v Mailers /f >/dev/null 2>&1
}
trap 'forget_browser; votaroo_leave' EXIT
park
# The focus starts on Start: two Tabs reach About. Start without the focus is shot on the way.
xdotool key Tab
sleep 0.5
shot start-unfocused
xdotool key Tab
sleep 0.3
xdotool key Return
votaroo_wait 30 shown 'About Votaroo!' || fail "Tab, Tab, Enter did not open About"
sleep 0.5
# OK has the focus; Tab reaches the first link, Enter follows it.
xdotool key Tab
sleep 0.5
import -window root "$out/link-focused.png"
xdotool key Return
votaroo_wait 30 test -s "$links" || fail "Enter on the focused link followed nothing"
xdotool key Escape
votaroo_wait 30 gone 'About Votaroo!' || fail "Esc did not close About"
sleep 0.5
# Back on About: Shift+Tab twice reaches Start, whose focus mark now shows.
xdotool key shift+Tab
sleep 0.3
xdotool key shift+Tab
sleep 0.5
shot start-focused
[ "$(compare -metric AE -extract 80x30+540+20 "$out/start-unfocused.png" "$out/start-focused.png" null: 2>&1)" -gt 20 ] ||
  fail "no focus mark on Start"
deals=$(votaroo_deals)
xdotool key Return
# Both stacks hold a card from the start until the game is over.
two_cards() {
  shot play
  ! close_to "$(rgb play 220 360)" "$(rgb background 220 360)" 30 &&
    ! close_to "$(rgb play 396 360)" "$(rgb background 396 360)" 30
}
votaroo_wait 30 two_cards || fail "Enter on Start dealt no cards"
! buttons_shown play || fail "buttons still showing during the game"
sleep 0.3
shot in-play

step "P pauses the deal, P plays on"
# The pause shows as a note over the scene, white where the sky is.
paused() {
  shot pause
  close_to "$(rgb pause 525 180)" "255 255 255" 25 && close_to "$(rgb pause 115 160)" "255 255 255" 25
}
votaroo_at_least 30 1 votaroo_deals || fail "no regular deal"
xdotool key p
votaroo_wait 30 paused || fail "P showed no pause"
deals=$(votaroo_deals)
verdicts=$(votaroo_verdicts | wc -l)
sleep 6
[ "$(votaroo_deals)" = "$deals" ] || fail "cards dealt while paused"
[ "$(votaroo_verdicts | wc -l)" = "$verdicts" ] || fail "a card judged while paused"
xdotool key p
unpaused() { ! paused; }
votaroo_wait 30 unpaused || fail "P did not end the pause"
votaroo_at_least 30 $((deals + 1)) votaroo_deals || fail "no deal after P played on"

step "another program in front pauses; the click that brings the game back is only that"
# Wine's Notepad from the same prefix takes the activation when it opens.
/usr/lib/wine/wine64 notepad >/dev/null 2>&1 &
other=$!
votaroo_started $other
votaroo_wait 30 bash -c "xdotool search --name 'Notepad' >/dev/null" || fail "Notepad did not open"
# The deal stops once the game has seen Notepad take the activation, however late that is on a
# busy machine: no card for 3 s, at 2 s a card.
dealing_stopped() {
  local before
  before=$(votaroo_deals)
  sleep 3
  [ "$(votaroo_deals)" = "$before" ]
}
votaroo_wait 30 dealing_stopped || fail "the game dealt on behind another program"
deals=$(votaroo_deals)
answers=$(votaroo_answers)
verdicts=$(votaroo_verdicts | wc -l)
sleep 8
[ "$(votaroo_deals)" = "$deals" ] || fail "cards dealt while another program was in front"
[ "$(votaroo_verdicts | wc -l)" = "$verdicts" ] || fail "a card judged while another program was in front"
# A click on a part of the game that Notepad leaves free.
eval "$(xdotool getwindowgeometry --shell "$(xdotool search --name 'Notepad' | head -1)" | sed 's/^/N_/')"
spot=
for p in "5 470" "635 470" "635 5" "320 470" "5 5"; do
  set -- $p
  x=$((cx + $1)) y=$((cy + $2))
  if [ $x -lt $N_X ] || [ $x -ge $((N_X + N_WIDTH)) ] || [ $y -lt $N_Y ] || [ $y -ge $((N_Y + N_HEIGHT)) ]; then
    spot=$p
    break
  fi
done
[ -n "$spot" ] || fail "Notepad covers the game"
click $spot
sleep 3
[ "$(votaroo_answers)" = "$answers" ] || fail "the click that brought the game back was an answer"
[ "$(votaroo_deals)" = "$deals" ] || fail "a card dealt after the click that brought the game back"
kill $other 2>/dev/null
wait $other 2>/dev/null
park
xdotool key p
votaroo_at_least 30 $((deals + 1)) votaroo_deals || fail "no deal after P played on"

remarked=0
remark_seen() { # the first balloon: answers are remarked on above the game window
  [ $remarked = 0 ] && balloon_showing || return 0
  # Above the game window in the stacking, topmost first (the "Game over!" box may be above both).
  xwininfo -root -children >"$out/stacking.txt"
  local balloon game_line
  balloon=$(grep -n '(has no name): ("votaroo.exe"' "$out/stacking.txt" | head -1 | cut -d: -f1)
  game_line=$(grep -n "^ *$(printf '0x%x' "$main") " "$out/stacking.txt" | head -1 | cut -d: -f1)
  [ -n "$balloon" ] && [ -n "$game_line" ] && [ "$balloon" -lt "$game_line" ] ||
    fail "the remark balloon is behind the game window (see $out/stacking.txt)"
  import -window root "$out/remark.png"
  remarked=1
}

step "a click on a hidden button's place is an answer"
# Right after the first regular deal the flag is still at 2, so one answer cannot end the game.
votaroo_at_least 30 1 votaroo_deals || fail "no regular deal"
answers=$(votaroo_answers)
click 580 75 # Setup's place
park
votaroo_at_least 30 $((answers + 1)) votaroo_answers
[ "$(votaroo_answers)" = $((answers + 1)) ] || fail "the click was no answer: $(votaroo_answers) answers after $answers"
judged() { votaroo_verdicts | grep -c "CORRECT\|WRONG"; }
votaroo_at_least 30 1 judged || fail "the click's answer was not judged"
sleep 0.3
[ -z "$(windows Setup)" ] || fail "the hidden Setup button opened its dialog"
remark_seen

step "clicks until the game is over"
# Every card answered is a wrong answer or a right one; wrong ones end the game soon. A click,
# not the space bar: a space meant for a card that came as the game ended would close the
# "Game over!" box, and the next press Start, which has the focus then. A click on the game
# window does nothing while the box is up.
answer_until_over() {
  click 320 470
  sleep 0.25
  remark_seen
  votaroo_box_open
}
votaroo_wait 90 answer_until_over || fail "no \"Game over!\" box"
[ $remarked = 1 ] || fail "no remark balloon during the game"
sleep 0.5
import -window root "$out/game-over.png"
box=$(windows 'Votaroo!' | grep -v "^$main\$" | head -1)
eval "$(xdotool getwindowgeometry --shell "$box" | sed 's/^/BOX_/')"
[ "$BOX_WIDTH" -lt 600 ] || fail "the second window is not a box"
# A child still hammering the space bar: the first press closes the box, the rest do nothing.
for i in 1 2 3 4 5; do
  xdotool key space
  sleep 0.3
done
votaroo_wait 30 votaroo_box_closed || fail "the space bar did not close the box"
votaroo_game_settled
deals=$(votaroo_deals)
park
sleep 1
shot after
buttons_shown after || fail "buttons not back after the game: the space bar began a game?"
[ "$(votaroo_deals)" = "$deals" ] || fail "cards dealt after the game: the space bar began a game"
# Between games as at the start: no focus mark, the scene in the corners.
[ "$(compare -metric AE -extract 100x450+530+15 "$out/idle.png" "$out/after.png" null: 2>&1)" -le 20 ] ||
  fail "the buttons after the game differ from the start (a focus mark?)"

step "the trace log"
[ -f "$trace" ] || fail "no trace file"
grep -qF "$VOTAROO_WORD_DEAL" "$trace" || fail "no deal lines in the trace"
grep -qF "$VOTAROO_WORD_CLOSE" "$trace" || fail "no judgement lines in the trace"
grep -qF "MainFrameWnd::IsMatch : " "$trace" || fail "no match lines in the trace"

if [ -n "$report" ]; then
  step "the learning report of this game"
  "$root/tools/wine-run.sh" "$report" 'C:\TMP\TRACE.QRV' >"$out/report.txt" 2>/dev/null || fail "the report failed"
  tr -d '\r' <"$out/report.txt" >"$out/report.clean"
  grep -q "^Games: 1 (1 to game over)" "$out/report.clean" || fail "report: $(cat "$out/report.clean")"
  verdicts=$(VOTAROO_TRACE=$trace votaroo_verdicts | wc -l)
  counted=$(sed -n 's/.*correct: \([0-9]*\), missed: \([0-9]*\), wrong: \([0-9]*\).*/\1 \2 \3/p' "$out/report.clean")
  set -- $counted
  [ $(($1 + $2 + $3)) = "$verdicts" ] || fail "report counts $counted, the log has $verdicts verdicts"
  [ -f "$WINEPREFIX/drive_c/TMP/TRACE-report.html" ] || fail "no HTML report beside the log"
fi

dialog() { # x y title width
  click "$1" "$2"
  votaroo_wait 30 shown "$3" || fail "\"$3\" did not open"
  sleep 0.5
  local d
  d=$(windows "$3" | head -1)
  import -window root "$out/dialog-$(echo "$3" | tr -cd 'A-Za-z').png"
  if [ -n "$4" ]; then
    eval "$(xdotool getwindowgeometry --shell "$d" | sed 's/^/D_/')"
    [ "$D_WIDTH" = "$4" ] || fail "\"$3\" is $D_WIDTH wide"
  fi
  xdotool key Escape
  votaroo_wait 30 gone "$3" || fail "\"$3\" did not close"
  park
  sleep 0.3
}
step "Setup, Help and About open and close"
dialog 580 75 Setup 400
dialog 580 195 'Help Votaroo!' ''
dialog 580 115 'About Votaroo!' ''

step "Exit ends the program"
click 580 445
votaroo_wait 60 votaroo_ended $game || fail "still running after Exit"
wait $game

step "started from a folder whose path passes 255 characters"
deep="$WINEPREFIX/drive_c/deep"
for i in $(seq 12); do deep="$deep/folder_with_a_rather_long_name_$i"; done
mkdir -p "$deep"
cp "$exe" "$deep/votaroo.exe"
(cd "$deep" && exec "$root/tools/wine-run.sh" ./votaroo.exe) >"$out/deep.log" 2>&1 &
game=$!
votaroo_started $game
votaroo_game_window || fail "no game window from the deep folder"
step "the close box ends the program"
# Wine draws the caption itself: the close box is its rightmost square.
caption=$((HEIGHT - 480 - 2 * border))
xdotool mousemove $((X + WIDTH - border - caption / 2 - 1)) $((Y + border + caption / 2)) click 1
votaroo_wait 60 votaroo_ended $game || fail "the deep copy still runs after its close box"
rm -rf "$WINEPREFIX/drive_c/deep"
echo "PASS"
