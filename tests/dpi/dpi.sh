#!/bin/bash
# The game at 96, 120, 144 and 192 DPI: the test program in a prefix whose LogPixels is that DPI,
# then the real program started there, its Start clicked at the scaled place, and shot; then the
# report program's box.
# usage: dpi.sh dpi_tests.exe votaroo.exe votaroo-report.exe outdir [dpi...]
tests=$(readlink -f "$1")
exe=$(readlink -f "$2")
report=$(readlink -f "$3")
mkdir -p "$4"
out=$(readlink -f "$4")
shift 4
dpis=("$@")
[ ${#dpis[@]} -gt 0 ] || dpis=(96 120 144 192)
root=$(cd "$(dirname "$0")/../.." && pwd)
# A prefix of its own, and a display of its own large enough for the game at 192 DPI.
export WINEPREFIX="$out/prefix"
export VOTAROO_SCREEN=2560x1600
unset DISPLAY
source "$root/tools/env.sh"
votaroo_e2e
mkdir -p "$WINEPREFIX/drive_c/TMP"

failed=0
fail() { echo "FAIL at $dpi DPI: $*"; import -window root "$out/failure-$dpi.png" 2>/dev/null; failed=1; }
set_dpi() {
  local key
  for key in 'HKCU\Control Panel\Desktop' 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
    /usr/lib/wine/wine64 reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  done
  # Each process reads the DPI when it starts; a fresh server makes sure nothing is kept.
  timeout 60 /usr/lib/wine/wineserver -w
}

# shot_dialog Y TITLE NAME: clicks the button at (580, Y) in 96-DPI pixels, shoots the dialog
# that has the title into NAME-<dpi>.png, and closes it with Escape.
shot_dialog() {
  local dialog
  xdotool mousemove $((cx + 580 * dpi / 96)) $((cy + $1 * dpi / 96)) click 1
  if ! votaroo_wait 10 bash -c "xdotool search --name '^$2\$' >/dev/null"; then fail "no $3 dialog"; return; fi
  dialog=$(xdotool search --name "^$2\$" | head -1)
  sleep 0.5
  import -window "$dialog" "$out/$3-$dpi.png" || fail "screenshot of $3"
  xdotool key Escape
  votaroo_wait 10 bash -c "! xdotool search --name '^$2\$' >/dev/null" || fail "$3 did not close"
}

for dpi in "${dpis[@]}"; do
  echo "-- $dpi DPI"
  set_dpi "$dpi"
  VOTAROO_TEST_DPI=$dpi "$root/tools/wine-run.sh" "$tests" >"$out/tests-$dpi.txt" 2>&1 ||
    { cat "$out/tests-$dpi.txt"; fail "the test program"; }
  grep -a "PASSED\|FAILED" "$out/tests-$dpi.txt"
  # Every language, and the longer pseudo-language, whole at this scale too.
  if [ -n "$VOTAROO_LANG_TESTS" ]; then
    VOTAROO_TEST_DPI=$dpi "$root/tools/wine-run.sh" "$VOTAROO_LANG_TESTS" >"$out/lang-$dpi.txt" 2>&1 ||
      { cat "$out/lang-$dpi.txt"; fail "the language test program"; }
    grep -a "PASSED\|FAILED" "$out/lang-$dpi.txt"
  fi

  rm -f "$WINEPREFIX/drive_c/TMP/TRACE.QRV"
  "$root/tools/wine-run.sh" "$exe" >"$out/wine-$dpi.log" 2>&1 &
  game=$!
  votaroo_started $game
  if VOTAROO_DPI=$dpi votaroo_game_window; then
    # The frame is only its border and caption: the client area takes the rest at the scale.
    [ "$border" -ge 0 ] && [ "$border" -le $((8 * dpi / 96 + 1)) ] || fail "frame ${WIDTH}x${HEIGHT} for ${cw}x${ch}"
    sleep 1
    import -window root -crop "${cw}x${ch}+$cx+$cy" +repage "$out/game-$dpi.png" || fail "screenshot"
    # Start with and without the keyboard's focus mark: Tab moves it on, Shift+Tab brings it back.
    xdotool mousemove $((cx + 5)) $((cy + ch - 5))
    start="$((80 * dpi / 96))x$((30 * dpi / 96))+$((540 * dpi / 96))+$((20 * dpi / 96))"
    xdotool key Tab
    sleep 0.5
    import -window root -crop "${cw}x${ch}+$cx+$cy" +repage "$out/start-unfocused-$dpi.png"
    xdotool key shift+Tab
    sleep 0.5
    import -window root -crop "${cw}x${ch}+$cx+$cy" +repage "$out/start-focused-$dpi.png"
    [ "$(compare -metric AE -extract "$start" "$out/start-unfocused-$dpi.png" "$out/start-focused-$dpi.png" null: 2>&1)" -gt $((20 * dpi / 96)) ] ||
      fail "no focus mark on Start"
    # Help and About opened by their buttons at the scaled places, shot and closed.
    shot_dialog 195 "Help Votaroo!" help
    shot_dialog 115 "About Votaroo!" about
    xdotool mousemove $((cx + 580 * dpi / 96)) $((cy + 35 * dpi / 96)) click 1
    votaroo_at_least 20 2 votaroo_deals || fail "Start clicked at its scaled place dealt no cards"
    xdotool mousemove $((cx + 5)) $((cy + ch - 5))
    sleep 1
    import -window root -crop "${cw}x${ch}+$cx+$cy" +repage "$out/in-play-$dpi.png" || fail "screenshot in play"
  else
    fail "no game window"
  fi
  kill $game 2>/dev/null
  wait $game 2>/dev/null

  # The report program's box with no record to report on, laid out by the system at the DPI
  # its manifest lets it see: shot, and larger by the scale than at 96 DPI.
  rm -f "$WINEPREFIX/drive_c/TMP/TRACE.QRV"
  # Started as Explorer starts it, with a console of its own, it speaks in a box.
  /usr/lib/wine/wine64 start /wait /unix "$report" >"$out/report-$dpi.log" 2>&1 &
  shown=$!
  if votaroo_wait 20 bash -c "xdotool search --name '^Votaroo! learning report\$' >/dev/null"; then
    box=$(xdotool search --name '^Votaroo! learning report$' | head -1)
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$box")"
    import -window "$box" "$out/report-$dpi.png" || fail "screenshot of the report's box"
    if [ "$dpi" = 96 ]; then
      area96=$((WIDTH * HEIGHT))
    elif [ -n "$area96" ] && [ $((WIDTH * HEIGHT * 96 * 96 * 10)) -lt $((area96 * dpi * dpi * 8)) ]; then
      fail "the report's box is ${WIDTH}x${HEIGHT}, not scaled from its size at 96 DPI"
    fi
    xdotool key Return
    votaroo_wait 10 bash -c "! kill -0 $shown 2>/dev/null" || fail "the report program did not end on Enter"
  else
    fail "no box from the report program"
  fi
  kill $shown 2>/dev/null
  wait $shown 2>/dev/null
done
set_dpi 96
exit $failed
