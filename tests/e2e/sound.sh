#!/bin/bash
# Listens to the real program: its sounds go through Wine's ALSA driver into a capture file,
# and every outcome of a game must be followed by its own sound, sample for sample.
# usage: sound.sh votaroo.exe outdir sounds-folder

exe=$(readlink -f "$1")
out=$(mkdir -p "$2" && readlink -f "$2")/sound
sounds=$(readlink -f "$3")
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tools/env.sh"

fail() { echo "FAIL: $*"; import -window root "$out/failure.png" 2>/dev/null; exit 1; }
step() { echo "-- $*"; }

step "the sounds as files"
rate=
for name in begin end missing mistaken scoring; do
  f="$sounds/$name.wav"
  [ "$(soxi -t "$f")" = wav ] || fail "$name.wav is no WAVE file"
  # Uncompressed PCM, mono, 8 bits: what every system plays without converting.
  [ "$(soxi -e "$f")" = "Unsigned Integer PCM" ] || fail "$name.wav: $(soxi -e "$f")"
  [ "$(soxi -c "$f")" = 1 ] && [ "$(soxi -b "$f")" = 8 ] || fail "$name.wav is not mono 8-bit"
  r=$(soxi -r "$f")
  case $r in 11025 | 22050 | 44100) ;; *) fail "$name.wav at $r Hz" ;; esac
  [ -z "$rate" ] || [ "$r" = "$rate" ] || fail "$name.wav at $r Hz, the others at $rate Hz"
  rate=$r
  # The header as a strict reader takes it: the RIFF size is the file's, the rates agree.
  riff=$(od -An -tu4 -j4 -N4 "$f" | tr -d ' ')
  [ $((riff + 8)) = "$(stat -c %s "$f")" ] || fail "$name.wav: RIFF size $riff"
  [ "$(od -An -tu4 -j28 -N4 "$f" | tr -d ' ')" = "$r" ] || fail "$name.wav: bytes per second"
  [ "$(od -An -tu2 -j32 -N2 "$f" | tr -d ' ')" = 1 ] || fail "$name.wav: block align"
  stats=$(sox "$f" -n stats 2>&1)
  peak=$(awk '/^Pk lev dB/ { print $4 }' <<<"$stats")
  rms=$(awk '/^RMS lev dB/ { print $4 }' <<<"$stats")
  echo "$name.wav: $(soxi -D "$f") s, peak $peak dB, RMS $rms dB"
  # Full scale would clip on the way to the speaker; below -30 dB RMS a child hears nothing.
  awk -v p="$peak" 'BEGIN { exit !(p <= -1) }' || fail "$name.wav peaks at $peak dB: clipped"
  awk -v r="$rms" 'BEGIN { exit !(r >= -30) }' || fail "$name.wav is silent: RMS $rms dB"
done

votaroo_e2e
rm -rf "$out"
mkdir -p "$out"
trace="$WINEPREFIX/drive_c/TMP/TRACE.QRV"
mkdir -p "$(dirname "$trace")"
rm -f "$trace"
refs=(Begin="$sounds/begin.wav" Scoring="$sounds/scoring.wav" Missing="$sounds/missing.wav"
  Mistaken="$sounds/mistaken.wav" End="$sounds/end.wav")
heard() { votaroo_captured "$@" "$out" "${refs[@]}" 2>/dev/null; }
streams() { votaroo_captured --count "$out"; }
field() { cut -d' ' -f"$1" <<<"$2"; } # field line
# wait_sound N NAME: waits for the capture to hold at least N sounds and for sound N-1 to be
# over (heard to its end, or another one after it); then reads it. True when it is NAME
# whole; false when the game moved on (a later sound cut it short) or something else played:
# the record is judged after the game.
wait_sound() {
  local at=$(($1 - 1)) line
  votaroo_at_least 30 "$1" streams || {
    [ -f "$out/capture.wav" ] || fail "nothing played into ALSA: is Wine's winealsa.drv there?"
    fail "no sound $at heard: $(heard | tr '\n' ';')"
  }
  sound_over() { line=$(heard --at $at); [ "$(field 6 "$line")" = whole ] || [ "$(streams)" -gt $((at + 1)) ]; }
  votaroo_wait 30 sound_over || fail "sound $at never ended: $(heard --at $at)"
  [ "$(field 3,6 "$(heard --at $at)")" = "$2 whole" ]
}

# Wine asks PulseAudio first: where a server runs, the sounds would go there, not to ALSA.
HOME=$(votaroo_capture_home "$out") WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winepulse.drv=d" \
  "$root/tools/wine-run.sh" "$exe" >"$out/wine.log" 2>&1 &
game=$!
votaroo_started $game

wlog="$out/wine.log"
votaroo_game_window || fail "no game window (the game: $(kill -0 $game 2>/dev/null && echo running || echo ended); Wine said: $(tail -c 300 "$wlog" 2>/dev/null | tr "\n" " "))"

step "the opening sound"
wait_sound 1 Begin || fail "the first sound is not \"Begin\" whole: $(heard --at 0)"
sleep 0.5
click() { xdotool mousemove $((cx + $1)) $((cy + $2)) click 1; }
start() {
  click 580 35
  xdotool mousemove $((cx + 5)) $((cy + 470))
}

step "a right answer, a missed winner, a wrong answer, one cut short, then wrong answers"
sound_of() { case $1 in CORRECT) echo Scoring ;; MISSED) echo Missing ;; WRONG) echo Mistaken ;; esac; }
declare -A length # how long each sound plays, in milliseconds
for name in Begin Scoring Missing Mistaken End; do
  length[$name]=$(soxi -D "$sounds/${name,,}.wav" | awk '{ printf "%d", $1 * 1000 }')
done
cut_delay=0.25 # how long "Missing" plays before the answer that cuts it: heard begun, as a player's
settle=700     # ms after a verdict beyond its sound's length: the game starts a sound after the deal
# Only the answers must come in real time, as a player's do, and a busy machine makes every
# program started late: the loop reads the trace by the shell itself, spaces the answers by the
# clock and starts nothing but the key. What came of each answer is read from the trace and the
# capture afterwards; a chance missed is told and another taken, and a game that ended too soon
# is followed by another.
echo "real time: an answer counts for the card showing when the game takes it, so a right answer must reach the game before the next card (2 s apart at first)"
echo "real time: an answer cuts \"Missing\" short only within the ${length[Missing]} ms it plays: it is pressed $cut_delay s after the trace shows the missed winner"
echo "not in real time: the next answer waits for the last outcome's sound to have played (its length and $settle ms after the verdict, by the clock); the capture is judged afterwards"

# The trace as it grows, read by the shell: the deals, whether the last was a winner, the
# verdicts, when each was read and whether an answer (1) or the deal (0) brought it.
deals=0 winner=0 verdicts=() read_at=() by_answer=() answered=0 partial= tfd=
read_trace() {
  local line
  if [ -z "$tfd" ]; then
    [ -f "$trace" ] || return 0
    exec {tfd}<"$trace"
  fi
  while IFS= read -r -u "$tfd" line || { partial+=$line && false; }; do
    line=$partial$line
    line=${line%$'\r'}
    partial=
    case $line in
      *"DoGameSetup ismatch? YES") deals=$((deals + 1)) winner=1 answered=0 ;;
      *"DoGameSetup ismatch"*) deals=$((deals + 1)) winner=0 answered=0 ;;
      *"DoGameMatch") answered=1 ;;
      *"DoGameClose CORRECT" | *"DoGameClose MISSED" | *"DoGameClose WRONG")
        verdicts+=("${line##* }")
        read_at+=("${EPOCHREALTIME//[.,]/}")
        by_answer+=($answered)
        answered=0
        ;;
    esac
  done
}
mkfifo "$out/nap"
exec {nfd}<>"$out/nap"
nap() { read -r -t "$1" -u "$nfd" _ || true; } # seconds: a sleep that starts no program
# until_ms N: sleeps until N ms after the last verdict was read.
until_ms() {
  local left=$((read_at[-1] + $1 * 1000 - ${EPOCHREALTIME//[.,]/}))
  [ $left -gt 0 ] || return 0
  printf -v left '%d.%06d' $((left / 1000000)) $((left % 1000000))
  nap "$left"
}
# answer_missed N: waits for verdict N+1 (up to 30 s, a bound against a hang) and, when it is
# a missed winner, presses the space bar while its "Missing" plays. True when it pressed.
answer_missed() {
  local n=$1 end=$((SECONDS + 30)) t0
  while read_trace && [ ${#verdicts[@]} -le "$n" ]; do
    [ $SECONDS -lt $end ] || { echo "no verdict came after the winner let pass"; return 1; }
    nap 0.01
  done
  [ "${verdicts[n]}" = MISSED ] || return 1
  t0=$EPOCHREALTIME
  # One program that waits and then presses: its start is no part of the wait.
  xdotool sleep "$cut_delay" key space
  echo "a missed winner: the answer pressed $(((${EPOCHREALTIME//[.,]/} - ${t0//[.,]/}) / 1000)) ms after the trace was read"
}
# The End after a game over: the last sound, heard whole (judged with the rest afterwards).
end_heard() { [ "$(field 3,6 "$(heard --last)")" = "End whole" ]; }
# Whether the answer given while "Missing" played cut it short: read once a sound followed it,
# at most every two seconds.
judge_cut() {
  [ -n "$cut_try" ] && [ $SECONDS -ge $cut_look ] || return 0
  cut_look=$((SECONDS + 2))
  [ "$(streams)" -gt $((cut_try + 1)) ] || return 0
  if [ "$(field 3,6 "$(heard --at $cut_try)")" = "Missing cut" ]; then
    cut_at=$cut_try
  else
    echo "real time missed: the answer reached the game after \"Missing\" had ended ($(field 3,4,6 "$(heard --at $cut_try)") ms); the next missed winner is taken"
  fi
  cut_try=
}
start
seen=0    # deals looked at
checked=0 # verdicts looked at
base=1    # sounds heard when this game began, and
vbase=0   # verdicts then
ends=()   # verdicts when a game ended
cut_try=  # the sound of the missed winner answered while it played
cut_look=0
cut_at= # the sound that the answer cut short
right=  # the verdict that the answer to a winner is to bring
looked=$SECONDS # when the "Game over!" box was last looked for
end=$((SECONDS + 300)) # winners come at random: a bound that only stops a hang
while [ $SECONDS -lt $end ]; do
  read_trace
  judge_cut
  game_v=("${verdicts[@]:vbase}")
  flag=2
  for x in "${game_v[@]}"; do
    case $x in CORRECT) flag=$((flag < 8 ? flag + 1 : 8)) ;; MISSED) flag=$((flag - 1)) ;; WRONG) flag=$((flag - 2)) ;; esac
  done
  # The game is over when the flag has fallen; the box is also looked for now and then while
  # no card comes, in case.
  over=
  if [ $flag -lt 0 ]; then
    votaroo_wait 30 votaroo_box_open || fail "no \"Game over!\" box after the flag fell: ${game_v[*]}"
    over=1
  elif [ $deals -le $seen ] && [ $SECONDS -ge $((looked + 5)) ]; then
    looked=$SECONDS
    votaroo_box_open && over=1
  fi
  if [ -n "$over" ]; then
    ends+=(${#verdicts[@]})
    [ -n "$cut_at" ] && break
    xdotool key Return
    votaroo_wait 30 votaroo_box_closed || fail "the box did not close"
    votaroo_wait 30 end_heard || true
    cut_look=0
    judge_cut
    [ -n "$cut_at" ] && break
    echo "a game ended before all outcomes came: ${verdicts[*]}; another one"
    votaroo_game_settled # the card dealt after the box belongs to no game
    read_trace
    seen=$deals
    checked=${#verdicts[@]}
    right=
    base=$(streams)
    vbase=${#verdicts[@]}
    sleep 0.5
    start
    continue
  fi
  [ $deals -gt $seen ] || { nap 0.03; continue; }
  seen=$deals
  v=("${verdicts[@]}")
  wait=0 # before the answer, in seconds
  goal=CORRECT
  case " ${v[*]} " in
    *" CORRECT "*" MISSED "*" WRONG "*) goal=CUT ;;
    *" CORRECT "*" MISSED "*) goal=WRONG ;;
    *" CORRECT "*) goal=MISSED ;;
  esac
  [ -n "$cut_at" ] && goal=END
  if [ ${#v[@]} -gt $checked ]; then
    checked=${#v[@]}
    if [ -n "$right" ] && [ "${v[right]}" != CORRECT ]; then
      echo "real time missed: the answer to a winner reached the game after its card had gone (${v[right]}); the next winner is taken"
    fi
    right=
    last=${v[-1]}
    if [ "$last" = MISSED ]; then
      # A missed winner's sound takes most of the deal: its card is let go, unless it is a
      # winner that one more miss would make the game all but lost; then it is answered once
      # "Missing" is heard begun, and cuts it short (judged as such afterwards).
      [ $winner = 1 ] && [ $flag -le 1 ] && [ $goal != END ] || continue
      wait=$cut_delay
    else
      # Else each outcome's sound is let play whole before the next answer.
      until_ms $((length[$(sound_of "$last")] + settle))
      read_trace
      [ $deals = $seen ] || continue # the next card came meanwhile: looked at next
    fi
  fi
  # A winner let pass while the flag can take a missed and a wrong answer: its "Missing" is
  # answered at once, to be cut short.
  if [ $goal$winner = CUT1 ] && [ $flag -ge 3 ] && [ -z "$cut_try" ]; then
    answer_missed ${#v[@]} && cut_try=$((base + ${#v[@]} - vbase)) cut_look=$((SECONDS + 2))
    continue
  fi
  answer=0
  case $goal$winner in
    # Right answers raise the flag, so that a wrong or a missed one does not end the game.
    CORRECT1 | WRONG1) answer=1 ;;
    MISSED1 | CUT1) [ $flag -lt 3 ] && answer=1 ;;
    WRONG0) [ $flag -ge 3 ] && answer=1 ;;
    END0) answer=1 ;;
  esac
  [ $answer = 1 ] || continue
  xdotool sleep "$wait" key space
  [ $winner = 1 ] && right=${#v[@]}
done
votaroo_box_open || [ -n "$cut_at" ] || fail "no \"Game over!\" box"
[ -n "$cut_at" ] || fail "no missed winner was answered while its sound played"
read_trace
v=("${verdicts[@]}")
echo "outcomes: ${v[*]}; games ended after outcomes ${ends[*]}"
if votaroo_box_open; then
  xdotool key Return
  votaroo_wait 30 votaroo_box_closed || fail "the box did not close"
  votaroo_wait 30 end_heard || true
fi

step "Exit ends the program"
sleep 1
click 580 445
votaroo_wait 60 votaroo_ended $game || fail "still running after Exit"
wait $game

step "what was heard"
heard >"$out/heard.txt"
cat "$out/heard.txt"
case " ${v[*]:0:${#v[@]}-1} " in
  *" CORRECT "*" MISSED "*" WRONG "*) ;;
  *) fail "no right answer, missed winner and wrong answer in that order before the last: ${v[*]}" ;;
esac
# What the game should have played: Begin, each outcome's sound, End after each game over.
expected=(Begin)
ending=(0) # 1 for the sound of an outcome that ended a game
vidx=(-1)  # the verdict of each, -1 for Begin and End
for i in "${!v[@]}"; do
  expected+=("$(sound_of "${v[i]}")")
  ending+=(0)
  vidx+=($i)
  case " ${ends[*]} " in *" $((i + 1)) "*)
    ending[-1]=1
    expected+=(End)
    ending+=(0)
    vidx+=(-1)
    ;;
  esac
done
mapfile -t got < <(cut -d' ' -f3 "$out/heard.txt")
mapfile -t state < <(cut -d' ' -f6 "$out/heard.txt")
mapfile -t gap < <(cut -d' ' -f7 "$out/heard.txt")
ms() { cut -d' ' -f4 <<<"$(sed -n "$(($1 + 1))p" "$out/heard.txt")"; }
# cut_by J K: what in the trace cut sound K (the J-th expected) short, or false when nothing
# did: a sound is cut only by the next, and only where the record shows it came in time.
cut_by() {
  local i=${vidx[$1]} heard_ms=$(($(ms $2) + gap[$2]))
  # "End" is asked for with the game-ending outcome's sound.
  [ "${ending[$1]}" = 1 ] && { echo "the game's end"; return; }
  [ "$i" -ge 0 ] && [ $((i + 1)) -lt ${#v[@]} ] || return 1
  if [ "${by_answer[i]}" = 0 ] && [ "${by_answer[i + 1]}" = 1 ]; then
    # A missed winner's sound plays while the card dealt with it shows: an answer may come.
    echo "an answer to the card dealt with it"
  elif [ "${by_answer[i + 1]}" = 0 ] && [ $heard_ms -ge 1000 ]; then
    # The deal judges the next card a whole interval (1.8 s and more in these games) after
    # this outcome: only a sound that long, or one the mixer drew out, can meet it.
    echo "the deal judging the next card"
  else
    return 1
  fi
}
whole=" "
k=0 # the sound heard
for j in "${!expected[@]}"; do
  want=${expected[j]}
  # The game-ending outcome's sound and End are asked for while one message is handled: End
  # may replace it before it began, as any sound is cut short by the next.
  if [ "${ending[j]}" = 1 ] && [ "${got[k]}" = End ]; then
    echo "heard: the game-ending outcome's \"$want\" was replaced by \"End\" before it began"
    continue
  fi
  [ "${got[k]}" = "$want" ] || fail "sound $k is ${got[k]:-nothing}, expected $want (expected ${expected[*]})"
  # Wine's mixer plays a period of silence when the sound's data comes late; the null
  # device always looks empty to it, so here it does so more often than on a sound card.
  [ "${gap[k]}" = 0 ] || echo "heard: Wine's mixer put ${gap[k]} ms of silence into \"${got[k]}\" (data late)"
  next=${got[k + 1]:-}
  if [ "$k" = "$cut_at" ]; then
    [ "${state[k]}" = cut ] || fail "sound $k (${got[k]}) is ${state[k]}, not cut short by the answer"
    echo "heard: the answer given while \"${got[k]}\" played cut it short after $(ms $k) ms; \"$next\" followed"
  elif [ "${state[k]}" = whole ]; then
    whole="$whole${got[k]} "
  elif [ "${state[k]}" = cut ] && [ -n "$next" ] && [ "$next" = "${expected[j + 1]:-}" ] && why=$(cut_by $j $k); then
    echo "heard: \"${got[k]}\" was cut short by \"$next\" after $(ms $k) ms, by $why"
  elif [ "${state[k]}" = cut ]; then
    fail "sound $k (${got[k]}) is cut after $(ms $k) ms, and nothing in the trace came then to cut it"
  else
    fail "sound $k (${got[k]}) is ${state[k]}"
  fi
  k=$((k + 1))
done
[ $k = ${#got[@]} ] || fail "heard ${#got[@]} sounds, expected ${expected[*]}"
for name in Begin Scoring Missing Mistaken End; do
  case "$whole" in *" $name "*) ;; *) fail "\"$name\" was never heard whole" ;; esac
done
echo "heard: $(cut -d' ' -f2 "$out/heard.txt" | sort -u | tr '\n' ' ')as Wine played it"
echo PASS
