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
# Waits until the capture holds COUNT streams (any number when empty) and the last is NAME,
# "whole" or "started" (any part of it).
wait_sound() { # count name whole|started
  local i now
  for i in $(seq 50); do
    now=$(heard --last)
    if [ -z "$1" ] || [ "$(cut -d' ' -f1 <<<"$now")" = $(($1 - 1)) ]; then
      [ "$(cut -d' ' -f3,6 <<<"$now")" = "$2 whole" ] && return 0
      [ $3 = started ] && [ "$(cut -d' ' -f3 <<<"$now")" = "$2" ] && return 0
    fi
    sleep 0.1
  done
  [ -f "$out/capture.wav" ] || fail "nothing played into ALSA: is Wine's winealsa.drv there?"
  fail "the last of ${1:-the} sounds heard is not \"$2\" $3: $(heard | tr '\n' ';')"
}

# Wine asks PulseAudio first: where a server runs, the sounds would go there, not to ALSA.
HOME=$(votaroo_capture_home "$out") WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winepulse.drv=d" \
  "$root/tools/wine-run.sh" "$exe" >"$out/wine.log" 2>&1 &
game=$!
votaroo_started $game

windows() { xdotool search --name "^$1\$" 2>/dev/null; }
votaroo_game_window || fail "no game window"

step "the opening sound"
wait_sound 1 Begin whole
sleep 0.5
click() { xdotool mousemove $((cx + $1)) $((cy + $2)) click 1; }

step "a right answer, a missed winner, a wrong answer, one cut short, then wrong answers"
deals() { grep -c "DoGameSetup ismatch" "$trace" 2>/dev/null; }
verdicts() { grep -o "DoGameClose \(CORRECT\|MISSED\|WRONG\)" "$trace" 2>/dev/null | cut -d' ' -f2; }
sound_of() { case $1 in CORRECT) echo Scoring ;; MISSED) echo Missing ;; WRONG) echo Mistaken ;; esac; }
click 580 35
xdotool mousemove $((cx + 5)) $((cy + 470))
# Each outcome's sound is let play whole before the next answer (the deal comes every 2 s,
# longer than any sound), but once: a missed winner is answered while "Missing" plays.
# Then the answer that ends the game cuts one short too.
seen=0
over=0
cut_from= # outcomes before the one to be cut short
cut_at=   # the outcome whose sound was cut short
# Winners come at random: a bound that only stops a hang.
end=$((SECONDS + 170))
while [ $SECONDS -lt $end ]; do
  [ "$(windows 'Votaroo!' | wc -l)" -ge 2 ] && { over=1; break; }
  n=$(deals)
  [ "${n:-0}" -gt "$seen" ] || { sleep 0.1; continue; }
  seen=$n
  v=($(verdicts))
  goal=CORRECT
  case " ${v[*]} " in
    *" CORRECT "*" MISSED "*" WRONG "*) goal=CUT ;;
    *" CORRECT "*" MISSED "*) goal=WRONG ;;
    *" CORRECT "*) goal=MISSED ;;
  esac
  [ $goal = CUT ] && [ -z "$cut_from" ] && cut_from=${#v[@]}
  [ -n "$cut_at" ] && goal=END
  if [ $goal = CUT ] && [ ${#v[@]} -gt "$cut_from" ] && [ "${v[-1]}" = MISSED ]; then
    wait_sound $((1 + ${#v[@]})) Missing started
    xdotool key space
    cut_at=$((${#v[@]} - 1))
    continue
  fi
  if [ ${#v[@]} -gt 0 ]; then
    wait_sound $((1 + ${#v[@]})) "$(sound_of "${v[-1]}")" whole
    [ "$(deals)" = "$seen" ] || { seen=0; continue; } # the next deal came meanwhile
  fi
  flag=2
  for x in "${v[@]}"; do
    case $x in CORRECT) flag=$((flag < 8 ? flag + 1 : 8)) ;; MISSED) flag=$((flag - 1)) ;; WRONG) flag=$((flag - 2)) ;; esac
  done
  winner=$(grep "DoGameSetup ismatch" "$trace" | tail -1 | grep -c YES)
  answer=0
  case $goal$winner in
    CORRECT1) answer=1 ;;
    # Right answers raise the flag, so that the wrong or the missed one does not end the game.
    WRONG1) answer=1 ;;
    WRONG0) [ $flag -ge 2 ] && answer=1 ;;
    CUT1) [ $flag -lt 1 ] && answer=1 ;;
    END0) answer=1 ;;
  esac
  [ $answer = 1 ] && xdotool key space
  sleep 0.1
done
[ $over = 1 ] || fail "no \"Game over!\" box"
v=($(verdicts))
echo "outcomes: ${v[*]}"
xdotool key Return
for i in $(seq 50); do [ "$(windows 'Votaroo!' | wc -l)" -eq 1 ] && break; sleep 0.1; done
[ "$(windows 'Votaroo!' | wc -l)" -eq 1 ] || fail "the box did not close"
wait_sound "" End whole

step "Exit ends the program"
sleep 1
click 580 445
for i in $(seq 100); do kill -0 $game 2>/dev/null || break; sleep 0.1; done
kill -0 $game 2>/dev/null && fail "still running after Exit"
wait $game

step "what was heard"
heard >"$out/heard.txt"
cat "$out/heard.txt"
case " ${v[*]:0:${#v[@]}-1} " in
  *" CORRECT "*" MISSED "*" WRONG "*) ;;
  *) fail "no right answer, missed winner and wrong answer in that order before the last: ${v[*]}" ;;
esac
expected=(Begin)
for x in "${v[@]}"; do expected+=("$(sound_of "$x")"); done
expected+=(End)
mapfile -t got < <(cut -d' ' -f3 "$out/heard.txt")
mapfile -t state < <(cut -d' ' -f6 "$out/heard.txt")
mapfile -t gap < <(cut -d' ' -f7 "$out/heard.txt")
last=$((${#expected[@]} - 2)) # the sound of the outcome that ended the game
if [ ${#got[@]} = $((${#expected[@]} - 1)) ]; then
  # Both sounds are asked for while one message is handled: the newer request replaced
  # the older before it began, as any sound is cut short by the next.
  echo "heard: the game-ending ${v[-1]} outcome's \"${expected[last]}\" was replaced by \"End\" before it began"
  unset "expected[last]"
  expected=("${expected[@]}")
  last=-1
elif [ ${#got[@]} != ${#expected[@]} ]; then
  fail "heard ${#got[@]} sounds for ${#expected[@]}: expected ${expected[*]}"
fi
[ -n "$cut_at" ] || fail "no missed winner was answered while its sound played"
ms() { cut -d' ' -f4 <<<"$(sed -n "$(($1 + 1))p" "$out/heard.txt")"; }
for i in "${!expected[@]}"; do
  [ "${got[i]}" = "${expected[i]}" ] || fail "sound $i is ${got[i]}, expected ${expected[i]}"
  # Wine's mixer plays a period of silence when the sound's data comes late; the null
  # device always looks empty to it, so here it does so more often than on a sound card.
  [ "${gap[i]}" = 0 ] || echo "heard: Wine's mixer put ${gap[i]} ms of silence into \"${got[i]}\" (data late)"
  if [ "$i" = $((cut_at + 1)) ]; then
    [ "${state[i]}" = cut ] || fail "sound $i (${got[i]}) is ${state[i]}, not cut short by the answer"
    echo "heard: the answer given while \"${got[i]}\" played cut it short after $(ms $i) ms; \"${got[i + 1]}\" followed"
  elif [ "$i" = "$last" ] && [ "${state[i]}" = cut ]; then
    echo "heard: the game-ending ${v[-1]} outcome's \"${got[i]}\" was cut short by \"End\" after $(ms $i) ms"
  elif [ "${state[i]}" != whole ]; then
    fail "sound $i (${got[i]}) is ${state[i]}"
  fi
done
echo "heard: $(cut -d' ' -f2 "$out/heard.txt" | sort -u | tr '\n' ' ')as Wine played it"
echo PASS
