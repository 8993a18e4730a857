#!/bin/bash
# Makes every picture, sound and the cursor under resources/ from nothing but
# ImageMagick, the DejaVu fonts, sox and python3 (Debian packages). The outputs
# are committed, so a build never runs this; rerun it after changing the art.
# Runs are repeatable: the same tools give the same bytes.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
res=$root/resources
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
for tool in convert identify sox python3; do
  command -v "$tool" >/dev/null || { echo "make-art: $tool is missing" >&2; exit 1; }
done
[ -f "$font" ] || { echo "make-art: $font is missing (fonts-dejavu-core)" >&2; exit 1; }
mkdir -p "$res/cards" "$res/sounds"

# Colours shared by the cards and the flag.
navy='#1F3A93'
red='#C8102E'
cream='#FFF9EC'
gold='#F2B705'

# Windows loads these as plain 24-bit bitmaps: no alpha, no colour-space block.
bmp=(-type TrueColor -define bmp:format=bmp3)

# star CX CY R r [S]: polygon points of a five-pointed star, point up, all lengths times S.
star() {
  awk -v cx="$1" -v cy="$2" -v R="$3" -v r="$4" -v k="${5:-1}" 'BEGIN { pi = atan2(0, -1); s = ""; cx *= k; cy *= k; R *= k; r *= k;
    for (i = 0; i < 10; i++) { a = -pi / 2 + i * pi / 5; d = (i % 2) ? r : R;
      s = s sprintf("%.2f,%.2f ", cx + d * cos(a), cy + d * sin(a)) } print s }'
}

# --- Card faces 0 to 16 -------------------------------------------------------
# 107 x 170; the game stretches them to 112 x 176 inside a white frame, so the
# face fills its bitmap. One big numeral a child reads at a glance, corner
# indices and a row of stars at both ends. Cards always lie upright in the game,
# so the lower index stays upright too: no 6 that reads as a 9.
# card N OUT [S]: drawn on an S-times grid (1 unless given).
card() {
  local n=$1 out=$2 s=${3:-1} W H big y
  W=$((107 * s)) H=$((170 * s))
  if [ ${#n} -eq 1 ]; then big=$((88 * s)); else big=$((60 * s)); fi
  local stars=()
  for y in 40 128; do
    stars+=(-draw "polygon $(star 53.5 $y 8 3.4 "$s")"
            -draw "polygon $(star 37.5 $((y + 2)) 5 2.1 "$s")" -draw "polygon $(star 69.5 $((y + 2)) 5 2.1 "$s")")
  done
  convert -size ${W}x${H} xc:"$navy" \
    -fill "$cream" -draw "roundrectangle $((5 * s)),$((5 * s)) $((W - 1 - 5 * s)),$((H - 1 - 5 * s)) $((5 * s)),$((5 * s))" \
    -fill none -stroke "$red" -strokewidth $((2 * s)) \
    -draw "roundrectangle $((9 * s)),$((9 * s)) $((W - 1 - 9 * s)),$((H - 1 - 9 * s)) $((5 * s)),$((5 * s))" -stroke none \
    -fill "$red" "${stars[@]}" \
    -fill "$navy" -font "$font" -pointsize $((15 * s)) -gravity NorthWest -annotate +$((14 * s))+$((13 * s)) "$n" \
    -gravity SouthEast -annotate +$((14 * s))+$((12 * s)) "$n" \
    -gravity Center -pointsize $big -annotate +0+0 "$n" \
    "${bmp[@]}" BMP3:"$out"
}
for n in $(seq 0 16); do
  card "$n" "$res/cards/$(printf %02d "$n").bmp"
done

# --- Wild card ----------------------------------------------------------------
# 89 x 154 and in other colours than the numbered cards (red and gold, no
# numeral), so it stands out at once.
wild() {
  local out=$1 s=${2:-1} W H corner
  W=$((89 * s)) H=$((154 * s))
  corner=(-fill '#FFD54A' -draw "polygon $(star 17 17 6 2.5 "$s")")
  convert -size ${W}x${H} xc:"$gold" \
    -fill "$red" -draw "roundrectangle $((5 * s)),$((5 * s)) $((W - 1 - 5 * s)),$((H - 1 - 5 * s)) $((5 * s)),$((5 * s))" \
    -fill none -stroke '#FFE9A0' -strokewidth "$(awk -v s="$s" 'BEGIN { print 1.5 * s }')" \
    -draw "roundrectangle $(awk -v s="$s" -v W="$W" -v H="$H" 'BEGIN { a = 8.5 * s; printf "%g,%g %g,%g %d,%d", a, a, W - a, H - a, 4 * s, 4 * s }')" -stroke none \
    "${corner[@]}" -rotate 180 "${corner[@]}" -flop "${corner[@]}" -rotate 180 "${corner[@]}" -flop \
    -fill '#FFD54A' -stroke '#7A0A1A' -strokewidth $((2 * s)) -draw "polygon $(star 44.5 56 30 12 "$s")" -stroke none \
    -fill white -stroke "$navy" -strokewidth $((2 * s)) -font "$font" -pointsize $((30 * s)) -gravity North \
    -annotate +0+$((93 * s)) KAZ \
    "${bmp[@]}" BMP3:"$out"
}
wild "$res/cards/KAZ.bmp"

# --- Flag -----------------------------------------------------------------------
# 30 x 22, hung at the staff by its left edge: eleven stripes of two rows, red at
# top and bottom, and a blue canton with white stars, drawn pixel by pixel.
# flag OUT [S]: each pixel an S x S block.
flag() {
  local out=$1 s=${2:-1} x y d
  # box X0 Y0 X1 Y1: the pixels [X0,X1] x [Y0,Y1] of the 30 x 22 grid.
  box() { d+=(-draw "rectangle $(($1 * s)),$(($2 * s)) $((($3 + 1) * s - 1)),$((($4 + 1) * s - 1))"); }
  d=(+antialias -fill "$red")
  for y in 0 4 8 12 16 20; do box 0 $y 29 $((y + 1)); done
  d+=(-fill "$navy"); box 0 0 12 11; d+=(-fill white)
  if [ "$s" -eq 1 ]; then
    for y in 2 6 10; do for x in 2 6 10; do d+=(-draw "point $x,$y"); done; done
    for y in 4 8; do for x in 4 8; do d+=(-draw "point $x,$y"); done; done
  else
    for y in 2 6 10; do for x in 2 6 10; do box $x $y $x $y; done; done
    for y in 4 8; do for x in 4 8; do box $x $y $x $y; done; done
  fi
  convert -size $((30 * s))x$((22 * s)) xc:white "${d[@]}" "${bmp[@]}" BMP3:"$out"
}
flag "$res/flag.bmp"

# --- The same pictures at twice the size they are drawn at at 96 DPI --------------
# For displays past 96 DPI the game scales these down instead of blowing the
# others up. The card faces are drawn on a four-times grid and brought to their
# size in the game (224 x 352, the face's place at 192 DPI) in one smooth step, so
# they look as the game's stretch of the small ones does, only sharp. Stored with
# a palette and run-length packed: a 24-bit face would take 230 KB.
mkdir -p "$res/double/cards"
big=$(mktemp -d)
palette=(-dither None -colors 256 -type Palette -compress RLE -define bmp:format=bmp3)
for n in $(seq 0 16); do
  card "$n" "$big/card.bmp" 4
  convert "$big/card.bmp" -filter Lanczos -resize '224x352!' "${palette[@]}" BMP3:"$res/double/cards/$(printf %02d "$n").bmp"
done
wild "$big/card.bmp" 4
convert "$big/card.bmp" -filter Lanczos -resize '224x352!' "${palette[@]}" BMP3:"$res/double/cards/KAZ.bmp"
flag "$res/double/flag.bmp" 2
rm -rf "$big"

# --- Program icon ---------------------------------------------------------------
# A ballot with a red tick going into a navy ballot box. Each size is drawn on its
# own pixel grid (a 16-unit grid scaled by 1, 2, 3 and 16), so the small ones stay
# crisp instead of being shrunk; at 16 the tick is set pixel by pixel.
icon_image() {
  local n=$1 out=$2 s=$(($1 / 16)) d=(+antialias)
  # cells X0 Y0 X1 Y1 COLOUR: the grid cells [X0,X1) x [Y0,Y1), filled.
  cells() { d+=(-fill "$5" -draw "rectangle $(($1 * s)),$(($2 * s)) $(($3 * s - 1)),$(($4 * s - 1))"); }
  cells 3 0 13 9 '#14285F' # the ballot's dark edge, so it reads on light and dark task bars
  cells 4 1 12 9 "$cream"
  cells 0 8 16 10 '#14285F' # the lid with its slot
  cells 1 10 15 16 "$navy"
  cells 1 12 15 13 "$red"
  if [ "$n" -le 16 ]; then
    d+=(-fill "$red")
    for p in 5,4 5,5 6,5 6,6 7,6 7,7 8,5 8,6 9,4 9,5 10,3 10,4 11,2 11,3; do d+=(-draw "point $p"); done
  else
    d+=(-antialias -fill none -stroke "$red" -strokewidth $((s * 8 / 5))
        -draw "stroke-linecap round stroke-linejoin round polyline $((5 * s)),$((9 * s / 2)) $((7 * s)),$((13 * s / 2)) $((11 * s)),$((2 * s))"
        -stroke none -fill white -draw "polygon $(star $((8 * s)) $((29 * s / 2)) $((s * 13 / 10)) $((s / 2)))")
  fi
  convert -size "${n}x${n}" xc:none "${d[@]}" -strip -define png:exclude-chunks=date,time PNG32:"$out"
}
icons=$(mktemp -d)
for n in 16 32 48 256; do icon_image $n "$icons/$n.png"; done
convert "$icons/16.png" "$icons/32.png" "$icons/48.png" "$icons/256.png" "$res/votaroo.ico"
rm -rf "$icons"

# --- Background -----------------------------------------------------------------
# 640 x 480. The game draws over it: the votes display at (50,45)-(110,65) and
# the buttons at x 540-620 sit on plain sky, the flag rides the staff at x 310-311
# between y 46 and 132 above the pediment, and the card stacks (x 152-464,
# y 250-470) lie on plain lawn with the path running between them.
house=$(mktemp -d)
trap 'rm -rf "$house"' EXIT
d=()
# win X Y W H: a sash window with a white frame and glazing bars.
win() {
  d+=(-fill '#F4F4F0' -draw "rectangle $(($1 - 2)),$(($2 - 2)) $(($1 + $3 + 1)),$(($2 + $4 + 1))"
      -fill '#3B5068' -draw "rectangle $1,$2 $(($1 + $3 - 1)),$(($2 + $4 - 1))"
      -fill '#F4F4F0' -draw "line $(($1 + $3 / 2)),$2 $(($1 + $3 / 2)),$(($2 + $4 - 1))"
      -draw "line $1,$(($2 + $4 / 2)) $(($1 + $3 - 1)),$(($2 + $4 / 2))")
}
# Trees behind the house, low enough to leave the sky under the buttons clear.
for x in $(seq 4 22 640); do y=$((226 + (x * 7) % 9)); d+=(-fill '#3E7F30' -draw "circle $x,$((y + 12)) $x,$y"); done
for x in $(seq 15 22 640); do y=$((232 + (x * 5) % 7)); d+=(-fill '#4B9139' -draw "circle $x,$((y + 10)) $x,$y"); done
# Wings, then the taller central block, each under a cornice and a balustrade.
d+=(-fill '#E9E9E4' -draw "rectangle 110,178 211,250" -draw "rectangle 411,178 512,250")
d+=(-fill '#D5D5CF' -draw "rectangle 106,172 215,178" -draw "rectangle 407,172 516,178")
d+=(-fill '#F1F1EC' -draw "rectangle 211,160 411,250")
d+=(-fill '#D5D5CF' -draw "rectangle 207,154 415,160")
for x in $(seq 110 6 212) $(seq 412 6 512); do d+=(-fill '#E4E4DE' -draw "rectangle $x,166 $((x + 2)),172"); done
d+=(-fill '#D5D5CF' -draw "rectangle 106,164 215,166" -draw "rectangle 407,164 516,166")
for x in $(seq 211 6 410); do d+=(-fill '#ECECE6' -draw "rectangle $x,147 $((x + 2)),154"); done
d+=(-fill '#D5D5CF' -draw "rectangle 207,145 415,147")
for x in 122 147 172 431 456 481; do win $x 186 14 18; win $x 218 14 22; done
for x in 222 242 364 384; do win $x 172 14 18; win $x 210 14 24; done
# The portico: shaded back wall with windows and an arched door, six columns,
# the entablature and the pediment, whose apex carries the staff.
d+=(-fill '#CFCFC8' -draw "rectangle 260,170 362,246")
for x in 270 348; do win $x 178 10 16; win $x 212 10 22; done
d+=(-fill '#2E3E52' -draw "rectangle 302,206 320,246" -fill '#F4F4F0' -draw "rectangle 300,202 322,206")
d+=(-fill '#4A5C73' -draw "ellipse 311,204 9,6 180,360")
for x in 262 281 300 319 338 357; do
  d+=(-fill white -draw "rectangle $x,170 $((x + 6)),244" -fill '#D8D8D2' -draw "rectangle $((x + 5)),170 $((x + 6)),244"
      -fill '#F4F4F0' -draw "rectangle $((x - 1)),168 $((x + 7)),171" -draw "rectangle $((x - 1)),243 $((x + 7)),246")
done
d+=(-fill '#F4F4F0' -draw "rectangle 255,160 367,168" -fill '#D5D5CF' -draw "rectangle 255,166 367,168")
d+=(-fill '#F7F7F3' -stroke '#CACAC3' -strokewidth 1 -draw "polygon 252,160 311,136 370,160" -stroke none)
d+=(-fill '#E4E4DE' -draw "polygon 266,157 311,142 356,157")
d+=(-fill '#DCDCD5' -draw "rectangle 250,246 372,249" -fill '#CDCDC6' -draw "rectangle 244,249 378,253")
# The flag staff with its gold ball; the flag itself is a separate picture.
d+=(-fill '#5A5A5A' -draw "rectangle 310,40 311,137" -fill '#E0B000' -draw "circle 310.5,38 310.5,35.5")
# The house's shadow on the lawn, the path, and bushes along the front.
d+=(-fill '#00000022' -draw "rectangle 104,250 518,256")
d+=(-fill '#E8DDBE' -draw "polygon 290,253 332,253 344,480 278,480")
for x in $(seq 116 16 240) $(seq 384 16 508); do d+=(-fill '#2F7A25' -draw "ellipse $x,250 10,7 0,360"); done
# Two trees at the left, round shrubs at the right.
d+=(-fill '#6B4A2B' -draw "rectangle 52,200 58,258" -draw "rectangle 86,215 91,262")
d+=(-fill '#2E7D2A' -draw "circle 55,175 55,138" -fill '#3A8F33' -draw "circle 88,200 88,172")
d+=(-fill '#2E7D2A' -draw "circle 560,232 560,212" -fill '#3A8F33' -draw "circle 600,238 600,220" -draw "circle 530,242 530,228")
# Flower beds in the lower corners, clear of the card stacks.
for bed in "62 400 46 18" "590 345 36 14"; do
  read -r bx by rx ry <<<"$bed"
  d+=(-fill '#3C8A2C' -draw "ellipse $bx,$by $rx,$ry 0,360")
  i=0
  for fx in $(seq $((bx - rx + 8)) 7 $((bx + rx - 8))); do
    for fy in $((by - ry / 2)) $((by + ry / 3)); do
      case $((i % 3)) in 0) c='#E53935' ;; 1) c=white ;; *) c='#FDD835' ;; esac
      i=$((i + 1))
      d+=(-fill "$c" -draw "circle $((fx + fy % 3)),$fy $((fx + fy % 3)),$((fy - 2))")
    done
  done
done
# Sky and lawn, with two clouds away from the votes display and the buttons.
convert -size 640x250 gradient:'#2F6FD0-#A8D4F6' \( -size 640x230 gradient:'#6DBE45-#3F8F2C' \) -append \
  -fill white \
  -draw "ellipse 170,80 42,13 0,360" -draw "ellipse 200,72 30,14 0,360" -draw "ellipse 145,86 24,9 0,360" \
  -draw "ellipse 455,105 40,11 0,360" -draw "ellipse 480,98 24,11 0,360" \
  -fill '#4F8F3A' -draw "rectangle 0,238 640,252" \
  "${d[@]}" "$house/house.ppm"
# Baseline JPEG: the picture loader of older systems reads no progressive files.
convert "$house/house.ppm" -strip -interlace none -sampling-factor 2x2 -quality 90 "$res/whitehouse.jpg"
# The same drawing at twice the size, every shape and line scaled by the affine.
convert -size 1280x500 gradient:'#2F6FD0-#A8D4F6' \( -size 1280x460 gradient:'#6DBE45-#3F8F2C' \) -append \
  -affine 2,0,0,2,0,0 -fill white \
  -draw "ellipse 170,80 42,13 0,360" -draw "ellipse 200,72 30,14 0,360" -draw "ellipse 145,86 24,9 0,360" \
  -draw "ellipse 455,105 40,11 0,360" -draw "ellipse 480,98 24,11 0,360" \
  -fill '#4F8F3A' -draw "rectangle 0,238 640,252" \
  "${d[@]}" "$house/house2.ppm"
convert "$house/house2.ppm" -strip -interlace none -sampling-factor 2x2 -quality 90 "$res/double/whitehouse.jpg"

# --- Sounds ---------------------------------------------------------------------
# Mono, 8-bit unsigned PCM at 22050 Hz, each well under two seconds. Notes are
# made at 16 bits with short fades so the joins do not click, then joined,
# softened and brought to 8 bits. -R keeps sox's dither repeatable.
rate=22050
# phrase OUT WAVE:SECONDS:HZ[+HZ...][:EFFECTS] ...   (WAVE "rest" is a silence)
# Long notes die away over their last 40 %, short ones stop crisply.
phrase() {
  local out=$1 tmp parts=() k=0 note wave dur freqs effects tones f fadeout
  shift
  tmp=$(mktemp -d)
  for note in "$@"; do
    IFS=: read -r wave dur freqs effects <<<"$note"
    fadeout=$(awk -v d="$dur" 'BEGIN { print (d >= 0.3) ? d * 0.4 : 0.03 }')
    f=$tmp/$(printf %03d $k).wav
    k=$((k + 1))
    if [ "$wave" = rest ]; then
      sox -R -n -r $rate -b 16 -c 1 "$f" trim 0 "$dur"
    else
      tones=()
      for hz in ${freqs//+/ }; do
        sox -R -n -r $rate -b 16 -c 1 "$tmp/t$hz.wav" synth "$dur" "$wave" "$hz" $effects fade q 0.008 "$dur" "$fadeout"
        tones+=("$tmp/t$hz.wav")
      done
      if [ ${#tones[@]} -gt 1 ]; then sox -R -m "${tones[@]}" "$f"; else mv "${tones[0]}" "$f"; fi
    fi
    parts+=("$f")
  done
  sox -R "${parts[@]}" "$tmp/all.wav"
  sox -R "$tmp/all.wav" -r $rate -e unsigned-integer -b 8 -c 1 "$out" lowpass 3500 gain -n -4
  rm -rf "$tmp"
}
# A bugle call up the C major chord.
phrase "$res/sounds/begin.wav" square:0.12:392 square:0.12:523 square:0.12:659 square:0.28:784 \
  rest:0.05:0 square:0.12:659 square:0.55:523+784
# A cadence that comes home to C.
phrase "$res/sounds/end.wav" square:0.16:784 square:0.16:659 square:0.16:523 square:0.16:587 \
  square:0.16:494 square:0.7:262+392+523
# Four falling notes, the last one drawn out and wobbling: "wah wah wah waaah".
phrase "$res/sounds/missing.wav" sawtooth:0.28:392 sawtooth:0.28:370 sawtooth:0.28:349 \
  "sawtooth:0.7:330:tremolo 6 60"
# Two low, rough buzzes.
phrase "$res/sounds/mistaken.wav" square:0.22:98+104 rest:0.06:0 square:0.34:92+98
# A quick rise to a bright top.
phrase "$res/sounds/scoring.wav" triangle:0.07:523 triangle:0.07:659 triangle:0.07:784 triangle:0.07:1047 \
  square:0.3:1047+1319

# --- Link cursor ----------------------------------------------------------------
python3 "$root/tools/art/make_cursor.py" "$res/link.cur"

echo "make-art: done"
