#!/bin/bash
# The real game in each language it ships, picked by the settings file's override: that
# language's texts on the buttons, in Setup, Help and About, in a balloon and in "Game over!",
# and no English where a translation exists; then the report of that game written in the
# language by the report program beside it; a broken override gives the display language.
# usage: lang.sh votaroo.exe lang_probe.exe votaroo-report.exe outdir
exe=$(readlink -f "$1")
probe=$(readlink -f "$2")
report=$(readlink -f "$3")
mkdir -p "$4"
out=$(readlink -f "$4")
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tools/env.sh"
votaroo_e2e
mkdir -p "$WINEPREFIX/drive_c/TMP"
failed=0
fail() { echo "FAIL ($code): $*"; import -window root "$out/failure-$code.png" 2>/dev/null; failed=1; }
# probe CHECK [SECONDS]: asks the probe until the windows show the language, or the time is up.
probe() {
  local result
  votaroo_wait "${2:-10}" bash -c "'$root/tools/wine-run.sh' '$probe' '$expect' $1 >'$out/probe.txt' 2>/dev/null; [ \$? != 1 ]"
  "$root/tools/wine-run.sh" "$probe" "$expect" "$1" >"$out/probe.txt" 2>/dev/null
  result=$?
  [ $result = 0 ] || fail "$1: $(tr '\n' ' ' <"$out/probe.txt")"
  return $result
}
click() { xdotool mousemove $((cx + $1)) $((cy + $2)) click 1; }
park() { xdotool mousemove $((cx + 5)) $((cy + 470)); }
# dialog Y CHECK [CHECK]: opens the dialog of the button at (580, Y), checks it, closes it.
dialog() {
  click 580 "$1"
  probe "$2"
  [ -n "$3" ] && probe "$3"
  [ "$code" = de ] && import -window root "$out/$2-$code.png"
  xdotool key Escape
  sleep 0.5
}

codes=$("$root/tools/wine-run.sh" "$probe" list 2>/dev/null | tr -d '\r')
[ -n "$codes" ] || { echo "FAIL: the probe carries no language besides English"; exit 1; }
for code in $codes Klingon; do
  echo "-- $code"
  expect=$code
  [ $code = Klingon ] && expect=display
  dir="$out/$code"
  rm -rf "$dir"
  mkdir -p "$dir"
  cp "$exe" "$dir/votaroo.exe"
  cp "$report" "$dir/votaroo-report.exe"
  rm -f "$WINEPREFIX/drive_c/TMP/TRACE.QRV"
  printf '[Votaroo]\r\nLanguage=%s\r\n' "$code" >"$dir/votaroo.ini"
  (cd "$dir" && exec "$root/tools/wine-run.sh" ./votaroo.exe) >"$out/wine-$code.log" 2>&1 &
  game=$!
  votaroo_started $game
  if ! votaroo_game_window; then
    fail "no game window"
  else
    park
    probe buttons 20 && import -window root -crop "${cw}x${ch}+$cx+$cy" +repage "$out/game-$code.png"
    # What a screen reader reads: each button by its caption, the votes display as "Votes".
    probe names
    if [ $code != Klingon ]; then
      dialog 75 setup
      dialog 195 help
      dialog 115 about names
      # Wrong answers and misses come fast from clicks, each with its remark, until the flag is
      # off its staff. Not the space bar: one meant for the last card could close "Game over!"
      # and the next press Start, which has the focus then.
      click 580 35
      park
      # The probe watches for the first remark while the clicks answer.
      "$root/tools/wine-run.sh" "$probe" "$expect" balloon >"$out/balloon.txt" 2>/dev/null &
      watcher=$!
      answer() {
        click 320 470
        sleep 0.2
        votaroo_box_open
      }
      votaroo_wait 90 answer || fail "no \"Game over!\" box"
      if votaroo_wait 30 bash -c "! kill -0 $watcher 2>/dev/null"; then
        wait $watcher
        [ $? = 0 ] || fail "balloon: $(tr '\n' ' ' <"$out/balloon.txt")"
      else
        kill $watcher 2>/dev/null
        fail "no remark balloon during the game"
      fi
      probe gameover
      xdotool key Return
      votaroo_wait 20 votaroo_box_closed || fail "the box did not close"
      # The report of this game, by the report program that reads the same settings file.
      page="$dir/report.html"
      (cd "$dir" && "$root/tools/wine-run.sh" ./votaroo-report.exe --out report.html 'C:\TMP\TRACE.QRV') \
        >"$out/report-$code.txt" 2>&1 || fail "the report program: $(tr '\n' ' ' <"$out/report-$code.txt")"
      title=$("$root/tools/wine-run.sh" "$probe" "$code" page-title 2>/dev/null | tr -d '\r')
      grep -q "<html lang=\"$code\">" "$page" || fail "the report page is not marked as $code"
      grep -qF "<title>$title</title>" "$page" || fail "the report page's title is not \"$title\""
    fi
  fi
  kill $game 2>/dev/null
  wait $game 2>/dev/null
  timeout 60 /usr/lib/wine/wineserver -w
done

echo "-- a class preset"
code=preset
dir="$out/preset"
rm -rf "$dir"
mkdir -p "$dir"
cp "$exe" "$dir/votaroo.exe"
rm -f "$WINEPREFIX/drive_c/TMP/TRACE.QRV"
printf '[Votaroo]\r\nOperations=4\r\nCopies=7\r\nHighest=10\r\nPace=slowest\r\nSounds=off\r\nPractice=on\r\n' >"$dir/votaroo.ini"
# Every sound the game plays would be captured, as in the sound test.
capture_home=$(votaroo_capture_home "$dir")
(cd "$dir" && HOME=$capture_home WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winepulse.drv=d" \
  exec "$root/tools/wine-run.sh" ./votaroo.exe) >"$out/wine-preset.log" 2>&1 &
game=$!
votaroo_started $game
if ! votaroo_game_window; then
  fail "no game window"
else
  park
  click 580 75
  votaroo_wait 20 bash -c "xdotool search --name '^Setup\$' >/dev/null" || fail "Setup did not open"
  sleep 0.5
  "$root/tools/wine-run.sh" "$probe" en setup-values 2>/dev/null | tr -d '\r' | grep '^choice\|^check' | sort >"$out/preset-setup.txt"
  printf '%s\n' 'check: Addition (+) 0' 'check: Substraction (-) 0' 'check: Multiplication (*) 1' 'check: Division (/) 0' \
    'choice:  7' 'choice: 10' 'choice: Take your time' 'check: Play sounds 0' \
    'check: Missed sums come back 1' | sort >"$out/preset-expected.txt"
  diff "$out/preset-expected.txt" "$out/preset-setup.txt" >/dev/null ||
    fail "Setup shows $(tr '\n' ';' <"$out/preset-setup.txt"), not the preset"
  xdotool key Escape
  votaroo_wait 20 bash -c "! xdotool search --name '^Setup\$' >/dev/null" || fail "Setup did not close"
  click 580 35
  park
  # The slowest deal: 20 s a card. A busy machine only makes timers later, so 30 s after a
  # deal hold two at most, and at least one unless a timer came 10 s late.
  votaroo_at_least 60 1 votaroo_deals || fail "no regular deal"
  first=$(votaroo_deals)
  sleep 30
  dealt=$(($(votaroo_deals) - first))
  [ $dealt -ge 1 ] && [ $dealt -le 2 ] || fail "$dealt cards in 30 s, not one every 20 s"
  sounds=0
  [ -f "$dir/capture.wav" ] && sounds=$(votaroo_captured --count "$dir")
  [ "$sounds" = 0 ] || fail "$sounds sounds played with sounds off"
fi
kill $game 2>/dev/null
wait $game 2>/dev/null
timeout 60 /usr/lib/wine/wineserver -w
exit $failed
