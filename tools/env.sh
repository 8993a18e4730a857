# Sourced by the scripts: one Xvfb display and one Wine prefix kept in the build tree.
VOTAROO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$VOTAROO_ROOT/build/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

votaroo_start_display() {
  if [ -n "$DISPLAY" ] && xdpyinfo >/dev/null 2>&1; then return; fi
  local fifo; fifo=$(mktemp -u); mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  VOTAROO_XVFB=$!
  local n; read -r n <"$fifo"; rm -f "$fifo"
  export DISPLAY=":$n"
  trap 'kill $VOTAROO_XVFB 2>/dev/null' EXIT
}

votaroo_prefix() {
  if [ ! -f "$WINEPREFIX/.votaroo-ready" ]; then
    mkdir -p "$WINEPREFIX"
    /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 || true
    # Without a window manager every closing box would wait for one.
    /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    /usr/lib/wine/wineserver -w || true
    touch "$WINEPREFIX/.votaroo-ready"
  fi
  # Wine's own fonts (fonts-wine): Debian's Wine 8 looks for them under a path it never
  # finds ("/usr/share/wine/../fonts", taken literally), but always reads the Windows fonts
  # folder, where Windows keeps the fonts they stand in for.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  if [ -f /usr/share/wine/fonts/sserife.fon ] && [ ! -f "$fonts/sserife.fon" ]; then
    mkdir -p "$fonts"
    cp -n /usr/share/wine/fonts/* "$fonts/"
  fi
}

# End-to-end scripts call this first: on exit the programs they started end, and the display,
# the keyboard and the Wine server are left as they were found, whatever the next test is.
VOTAROO_STARTED=()
votaroo_e2e() {
  votaroo_start_display
  votaroo_prefix
  VOTAROO_POINTER=$(xdotool getmouselocation --shell 2>/dev/null | sed -n 's/^[XY]=//p' | tr '\n' ' ')
  trap votaroo_leave EXIT
}
votaroo_started() { VOTAROO_STARTED+=("$@"); }
votaroo_leave() {
  local pid
  for pid in "${VOTAROO_STARTED[@]}"; do kill "$pid" 2>/dev/null; done
  # A key whose window closed before it came up stays held in the Wine server for every
  # program that attaches later: release them through the X server, and let the server end.
  xdotool keyup Alt_L Alt_R Control_L Control_R Shift_L Shift_R space Return Escape F4 2>/dev/null
  [ -n "${VOTAROO_POINTER// /}" ] && xdotool mousemove $VOTAROO_POINTER 2>/dev/null
  timeout 60 /usr/lib/wine/wineserver -w 2>/dev/null || /usr/lib/wine/wineserver -k 2>/dev/null
  [ -n "${VOTAROO_XVFB:-}" ] && kill "$VOTAROO_XVFB" 2>/dev/null
  return 0
}

# The game's window, waited for up to 30 s: its id in main, its geometry (X, Y, WIDTH,
# HEIGHT), its frame's border and its client area's origin (cx, cy). Without a window
# manager Wine draws the frame itself: equal borders, the caption on top. False when none came.
votaroo_game_window() {
  local i
  main=
  for i in $(seq 300); do
    main=$(xdotool search --name '^Votaroo!$' 2>/dev/null | head -1)
    [ -n "$main" ] && break
    sleep 0.1
  done
  [ -n "$main" ] || return 1
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$main")"
  border=$(((WIDTH - 640) / 2))
  cx=$((X + border))
  cy=$((Y + HEIGHT - 480 - border))
}

# 32-bit programs need a kernel that runs 32-bit Linux code (Wine's 32-bit loader).
votaroo_can_run32() { /usr/lib/wine/wine --version >/dev/null 2>&1; }

# --- Sound capture ------------------------------------------------------------------------
# Wine plays into ALSA's default device. votaroo_capture_home DIR makes a HOME (and prints
# it) whose .asoundrc makes that device ALSA's file plugin over the null device: a program
# started with HOME set to it appends every sound it opens to DIR/capture.wav, as a WAV
# stream with its own header, taken no faster than it plays (tests/e2e/speaker.py). The
# .asoundrc is read after the machine's own ALSA configuration, which stays untouched;
# Wine itself needs no HOME, its prefix being set. Wine tries PulseAudio before ALSA, so
# run the program with winepulse.drv=d among its WINEDLLOVERRIDES.
votaroo_capture_home() {
  local dir; dir=$(readlink -f "$1")
  local python; python=$(python3 -c 'import sys; print(sys.executable)')
  mkdir -p "$dir/home"
  cat >"$dir/home/.asoundrc" <<ASOUNDRC
pcm.!default {
  type file
  slave.pcm "null"
  file "|exec '$python' -S '$VOTAROO_ROOT/tests/e2e/speaker.py' '$dir/capture.wav'"
  format "wav"
}
ASOUNDRC
  echo "$dir/home"
}

# votaroo_captured [--last] DIR NAME=FILE.wav ...: a line for each stream of DIR/capture.wav
# (or its last): index, format, the named sound it plays, milliseconds heard and long, and
# whole, cut or mixed.
votaroo_captured() {
  local last=
  [ "$1" = --last ] && { last=$1; shift; }
  local dir=$1
  shift
  python3 "$VOTAROO_ROOT/tests/e2e/capture.py" $last "$dir/capture.wav" "$@"
}
