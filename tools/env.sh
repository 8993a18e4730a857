# Sourced by the scripts: one Xvfb display and one Wine prefix kept in the build tree.
VOTAROO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$VOTAROO_ROOT/build/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

votaroo_start_display() {
  if [ -n "$DISPLAY" ] && xdpyinfo >/dev/null 2>&1; then return; fi
  local fifo; fifo=$(mktemp -u); mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${VOTAROO_SCREEN:-1024x768}x24" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
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
# HEIGHT), its frame's border and its client area's origin (cx, cy), and the client area's
# size (cw, ch): 640 x 480 at 96 DPI, scaled at the prefix's DPI when VOTAROO_DPI names it.
# Without a window manager Wine draws the frame itself: equal borders, the caption on top.
# False when none came.
votaroo_game_window() {
  local end=$((SECONDS + 60)) now= before=
  main=
  # Mapped and placed: the same geometry twice, half a second apart (a busy machine maps late).
  while [ $SECONDS -lt $end ]; do
    main=$(votaroo_windows 'Votaroo!' | head -1)
    if [ -n "$main" ]; then
      now=$(xdotool getwindowgeometry --shell "$main" 2>/dev/null)
      [ -n "$now" ] && [ "$now" = "$before" ] && break
      before=$now
      sleep 0.5
    else
      before=
      sleep 0.1
    fi
  done
  if [ -z "$now" ] || [ "$now" != "$before" ]; then
    echo "no steady game window in 60 s; windows named Votaroo!: $(votaroo_windows 'Votaroo!' | tr '\n' ' ')" \
      "last geometry: $(tr '\n' ' ' <<<"$now")" >&2
    return 1
  fi
  eval "$now"
  local dpi=${VOTAROO_DPI:-96}
  cw=$(((640 * dpi + 48) / 96))
  ch=$(((480 * dpi + 48) / 96))
  border=$(((WIDTH - cw) / 2))
  cx=$((X + border))
  cy=$((Y + HEIGHT - ch - border))
}

# 32-bit programs need two things: a kernel that runs 32-bit Linux code, and the 32-bit Wine.
# The kernel is asked directly, with a 32-bit program of 96 bytes that exits with 42.
votaroo_kernel32() {
  local elf; elf=$(mktemp "${TMPDIR:-/tmp}/votaroo-i386.XXXXXX")
  printf '\177ELF\1\1\1\0\0\0\0\0\0\0\0\0\2\0\3\0\1\0\0\0\124\200\4\10\64\0\0\0\0\0\0\0\0\0\0\0\64\0\40\0\1\0\0\0\0\0\0\0''\1\0\0\0\0\0\0\0\0\200\4\10\0\200\4\10\140\0\0\0\140\0\0\0\5\0\0\0\0\20\0\0''\270\1\0\0\0\273\52\0\0\0\315\200' >"$elf"
  chmod +x "$elf"
  "$elf" 2>/dev/null
  local code=$?
  rm -f "$elf"
  [ $code = 42 ]
}
# Why the 32-bit tests cannot run here, in one line; nothing when they can.
votaroo_why_no32() {
  if ! votaroo_kernel32; then
    echo "this kernel cannot run 32-bit programs (a 32-bit test program did not run)"
  elif ! dpkg -s wine32:i386 >/dev/null 2>&1; then
    local why="$VOTAROO_ROOT/build/setup-32bit.txt"
    if [ -s "$why" ]; then cat "$why"; else echo "the 32-bit Wine (wine32:i386) is not installed"; fi
  elif ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo "the 32-bit Wine (wine32:i386) is installed but its loader /usr/lib/wine/wine does not start"
  fi
}
votaroo_can_run32() { [ -z "$(votaroo_why_no32)" ]; }

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

# votaroo_captured [--last | --at N] DIR NAME=FILE.wav ...: a line for each stream of
# DIR/capture.wav (or its last, or stream N): index, format, the named sound it plays,
# milliseconds heard and long, and whole, cut or mixed. votaroo_captured --count DIR: how
# many streams it holds.
votaroo_captured() {
  local opt=()
  case $1 in
    --last) opt=("$1"); shift ;;
    --at) opt=("$1" "$2"); shift 2 ;;
    --count) python3 "$VOTAROO_ROOT/tests/e2e/capture.py" --count "$2/capture.wav"; return ;;
  esac
  local dir=$1
  shift
  python3 "$VOTAROO_ROOT/tests/e2e/capture.py" "${opt[@]}" "$dir/capture.wav" "$@"
}

# --- Waiting on the record ----------------------------------------------------------------
# End-to-end scripts act in real time only where a player must (an answer while a winner
# shows); pass or fail is decided from what was recorded: the trace, the capture, the
# screenshots. A wait stops only a hang: it is bounded by wall-clock seconds, not by a count
# of tries that a busy machine stretches, and it waits for "at least", never for a count to
# be exact at the moment it looks; then the record is read.
votaroo_wait() { # seconds command...: true as soon as the command is, false after that long
  local end=$((SECONDS + $1))
  shift
  until "$@"; do
    [ $SECONDS -lt $end ] || return 1
    sleep 0.1
  done
}
votaroo_at_least() { # seconds count command...: until the number the command prints is that or more
  local seconds=$1
  shift
  votaroo_wait "$seconds" votaroo_ge "$@"
}
votaroo_ge() { # count command...
  local n=$1 v
  shift
  v=$("$@")
  [ "${v:-0}" -ge "$n" ]
}

# The words of the trace the scripts look for, as the game writes them (foundation/TraceWords.h;
# a host test holds the two together).
VOTAROO_WORD_DEAL='MainFrameWnd::DoGameSetup ismatch? '
VOTAROO_WORD_YES='YES'
VOTAROO_WORD_ANSWER='MainFrameWnd::DoGameMatch'
VOTAROO_WORD_CLOSE='MainFrameWnd::DoGameClose '
VOTAROO_WORD_OUTCOMES='CORRECT|MISSED|WRONG'
VOTAROO_WORD_PLAYER='MainFrameWnd::DoGameStart player '

# The trace log (the prefix's C:\TMP\TRACE.QRV unless given): its deals, its answers, its
# verdicts in order, and whether the last deal was a winner.
votaroo_trace() { echo "${VOTAROO_TRACE:-$WINEPREFIX/drive_c/TMP/TRACE.QRV}"; }
# grep -F arguments for each verdict line (and, with --deals, each deal line).
votaroo_verdict_words() {
  local o
  for o in ${VOTAROO_WORD_OUTCOMES//|/ }; do printf '%s\n' -e "$VOTAROO_WORD_CLOSE$o"; done
  [ "$1" = --deals ] && printf '%s\n' -e "$VOTAROO_WORD_DEAL"
  return 0
}
votaroo_deals() { grep -acF "$VOTAROO_WORD_DEAL" "$(votaroo_trace)" 2>/dev/null; true; }
votaroo_answers() { grep -acF "$VOTAROO_WORD_ANSWER" "$(votaroo_trace)" 2>/dev/null; true; }
votaroo_verdicts() {
  local words; mapfile -t words < <(votaroo_verdict_words)
  grep -aoF "${words[@]}" "$(votaroo_trace)" 2>/dev/null | sed "s/^$VOTAROO_WORD_CLOSE//"
}
votaroo_last_winner() {
  grep -aF "$VOTAROO_WORD_DEAL" "$(votaroo_trace)" 2>/dev/null | tail -1 | grep -qF "$VOTAROO_WORD_DEAL$VOTAROO_WORD_YES"
}
# After "Game over!" is closed the game deals one more card in the same handler, unless the
# deck is dry: waits for that line, so that a log moved afterwards holds the whole game.
votaroo_game_settled() {
  votaroo_wait 10 votaroo_dealt_after_verdict || true
}
votaroo_dealt_after_verdict() {
  local words; mapfile -t words < <(votaroo_verdict_words --deals)
  grep -aF "${words[@]}" "$(votaroo_trace)" 2>/dev/null | tail -1 | grep -qF "$VOTAROO_WORD_DEAL"
}

# Windows of a title, newest last; the "Game over!" box shares the game's title.
votaroo_windows() { xdotool search --name "^$1\$" 2>/dev/null; }
votaroo_window_count() { votaroo_windows "$1" | wc -l; }
votaroo_box_open() { [ "$(votaroo_window_count 'Votaroo!')" -ge 2 ]; }
votaroo_box_closed() { [ "$(votaroo_window_count 'Votaroo!')" -le 1 ]; }
votaroo_ended() { ! kill -0 "$1" 2>/dev/null; } # pid
