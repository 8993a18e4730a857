#!/bin/bash
# The installer under Wine, in a prefix of its own: installed silently, the game started from its
# Start-menu shortcut and played, its report run, installed again, removed, and replaced by a
# later version; the trace log outlives all of it. A class preset given as properties is written
# into votaroo.ini beside the programs, outlives the upgrade, and is taken out by the uninstall,
# which leaves what it did not write.
# usage: msi.sh build-dir outdir toolchain-file package
build=$(readlink -f "$1")
out=$(mkdir -p "$2" && readlink -f "$2")
toolchain=$3
msi=$4
root=$(cd "$(dirname "$0")/../.." && pwd)
export WINEPREFIX="$out/prefix"
source "$root/tools/env.sh"
# No menu entries for the machine's own desktop from the shortcuts made in here.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
fail() { echo "FAIL: $*"; import -window root "$out/failure.png" 2>/dev/null; exit 1; }
step() { echo "-- $*"; }

# What the last run left, but the clean prefix it made; then a fresh prefix, copied from that
# one, made once: the same start every time.
find "$out" -mindepth 1 -maxdepth 1 ! -name clean-prefix -exec rm -rf {} +
clean="$out/clean-prefix"
votaroo_start_display
if [ ! -f "$clean/.votaroo-ready" ]; then
  rm -rf "$clean"
  (WINEPREFIX="$clean" votaroo_prefix)
fi
cp -a "$clean" "$WINEPREFIX"
votaroo_e2e

step "the package is made"
cmake --build "$build" --target votaroo-msi >"$out/build.log" 2>&1 || fail "cannot make the package: $(tail -5 "$out/build.log")"
[ -f "$msi" ] || fail "no package $msi"
# A property of a package, codes without their braces.
property() { msiinfo export "$1" Property | tr -d '\r{}' | awk -F'\t' -v k="$2" '$1 == k { print $2 }'; }
version=$(property "$msi" ProductVersion)
code=$(property "$msi" ProductCode)
[ -n "$version" ] && [ -n "$code" ] || fail "no version or product code in $msi"

c="$WINEPREFIX/drive_c"
user=$(id -un)
programs="$c/users/$user/AppData/Local/Programs/Votaroo"
menu="$c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
trace="$c/TMP/TRACE.QRV"
page="$c/TMP/TRACE-report.html"
winpath() { local p=${1//\//\\}; echo "Z:$p"; }
unixpath() { # C:\... -> the file in the prefix
  local p=${1//\\//}
  echo "$c/${p#[Cc]:/}"
}
msiexec() { # log name, then the arguments
  local log=$1
  shift
  /usr/lib/wine/wine64 msiexec "$@" /qn /l*v "$(winpath "$out/$log.log")" >/dev/null 2>&1
}
# The 32-bit registry view, as the 32-bit package writes it; nothing when the key is not there
# (reg prints its error on standard output).
reg32() {
  local text
  text=$(/usr/lib/wine/wine reg "$@" 2>/dev/null) || return 1
  printf '%s\n' "$text" | tr -d '\r'
}
# The system's entry for a product code, as the list of installed programs reads it.
entry() { reg32 query "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\{$1}"; }
entry_value() { entry "$1" | awk -v k="$2" '$1 == k { sub(/^ *[^ ]+ +[^ ]+ */, ""); print; exit }'; }
listed() { /usr/lib/wine/wine64 uninstaller --list 2>/dev/null | tr -d '\r' | grep -qiF "{$1}|||"; }

# Target, working folder and icon of a shortcut, one a line, read from the .lnk file itself.
shortcut() {
  perl -e '
    local $/; open my $f, "<:raw", $ARGV[0] or exit 1; my $d = <$f>;
    my $flags = unpack "V", substr $d, 20, 4;
    my $p = 76;
    $p += 2 + unpack "v", substr $d, $p, 2 if $flags & 1;
    my $target = "";
    if ($flags & 2) {
      my $base = unpack "V", substr $d, $p + 16, 4;
      ($target) = unpack "Z*", substr $d, $p + $base;
      $p += unpack "V", substr $d, $p, 4;
    }
    my %s;
    for my $bit ([4, "name"], [8, "relative"], [16, "dir"], [32, "args"], [64, "icon"]) {
      next unless $flags & $bit->[0];
      my $n = unpack "v", substr $d, $p, 2;
      my $w = $flags & 128 ? 2 : 1;
      my $t = substr $d, $p + 2, $n * $w;
      $t =~ s/(.)\0/$1/gs if $w == 2;
      $s{$bit->[1]} = $t;
      $p += 2 + $n * $w;
    }
    print "$target\n$s{dir}\n$s{icon}\n";' "$1"
}

# The keys of the [Votaroo] section of the installed votaroo.ini, sorted, one "key=value" a line.
preset() {
  tr -d '\r' <"$programs/votaroo.ini" 2>/dev/null |
    awk '/^\[/ { on = ($0 == "[Votaroo]") ; next } on && /=/ { print }' | sort | tr '\n' ' '
}

# Everything an install leaves, for the checks after an uninstall.
nothing_left() { # product code
  [ ! -e "$programs" ] || fail "the program folder is left: $(ls "$programs")"
  [ -z "$(ls "$menu" | grep -i votaroo)" ] || fail "a shortcut is left: $(ls "$menu" | grep -i votaroo)"
  [ -z "$(entry "$1")" ] || fail "the uninstall entry is left"
  listed "$1" && fail "the product is still listed as installed"
  [ -z "$(reg32 query 'HKCU\Software\Tarvel\Votaroo')" ] || fail "the package's registry values are left"
  [ ! -e "$c/users/$user/AppData/Roaming/Microsoft/Installer/{$1}" ] || fail "the product's icon folder is left"
  [ -d "$c/TMP" ] || fail "C:\\TMP was removed"
}

step "installed silently for the user, no preset given, so no votaroo.ini"
msiexec install /i "$(winpath "$msi")" || fail "msiexec /i failed ($?), see $out/install.log"
[ "$(cd "$programs" 2>/dev/null && ls | tr '\n' ' ')" = "README.txt votaroo-report.exe votaroo.exe " ] ||
  fail "the program folder holds: $(ls "$programs" 2>&1)"
cmp -s "$programs/votaroo.exe" "$build/votaroo.exe" || fail "the installed game is not the built one"
cmp -s "$programs/votaroo-report.exe" "$build/report/votaroo-report.exe" || fail "the installed report is not the built one"
cmp -s "$programs/README.txt" "$build/release/README.txt" || fail "the installed guide is not the release's"
[ -d "$c/TMP" ] || fail "no C:\\TMP"
[ ! -e "$trace" ] || fail "a trace log before any game"

step "the two shortcuts"
win_programs="C:\\users\\$user\\AppData\\Local\\Programs\\Votaroo"
for pair in "Votaroo!:votaroo.exe" "Votaroo! learning report:votaroo-report.exe"; do
  lnk="$menu/${pair%%:*}.lnk"
  [ -f "$lnk" ] || fail "no shortcut \"${pair%%:*}\" in the Start menu"
  mapfile -t link < <(shortcut "$lnk")
  [ "${link[0]}" = "$win_programs\\${pair#*:}" ] || fail "\"${pair%%:*}\" points at \"${link[0]}\""
  [ "${link[1]%\\}" = "$win_programs" ] || fail "\"${pair%%:*}\" starts in \"${link[1]}\""
  cmp -s "$(unixpath "${link[2]}")" "$root/resources/votaroo.ico" || fail "\"${pair%%:*}\" has the icon \"${link[2]}\""
done
[ "$(ls "$menu" | grep -ci votaroo)" = 2 ] || fail "other shortcuts: $(ls "$menu")"

step "the uninstall entry"
[ "$(entry_value "$code" DisplayName)" = "Votaroo!" ] || fail "entry name: $(entry "$code")"
[ "$(entry_value "$code" DisplayVersion)" = "$version" ] || fail "entry version: $(entry "$code")"
[ "$(entry_value "$code" Publisher)" = "Tarvel" ] || fail "entry publisher: $(entry "$code")"
[ "$(entry_value "$code" InstallLocation)" = "$win_programs\\" ] || fail "entry folder: $(entry "$code")"
entry_value "$code" UninstallString | grep -qiF "/X{$code}" || fail "entry uninstall: $(entry "$code")"
listed "$code" || fail "not in the list of installed programs"
# The entry's icon is the package's product icon, kept by the installer with the product.
[ "$(property "$msi" ARPPRODUCTICON)" = votaroo.ico ] || fail "the package names no product icon"
cmp -s "$c/users/$user/AppData/Roaming/Microsoft/Installer/{$code}/votaroo.ico" "$root/resources/votaroo.ico" ||
  fail "the product icon is not kept with the product"
icon=$(entry_value "$code" DisplayIcon)
[ -z "$icon" ] || [ -f "$(unixpath "$icon")" ] || fail "the entry's icon \"$icon\" is not there"

step "the game started from its shortcut deals a card"
mapfile -t link < <(shortcut "$menu/Votaroo!.lnk")
(cd "$(unixpath "${link[1]}")" && exec "$root/tools/wine-run.sh" "$(unixpath "${link[0]}")") >"$out/wine.log" 2>&1 &
game=$!
votaroo_started $game
wlog="$out/wine.log"
votaroo_game_window || fail "no game window (the game: $(kill -0 $game 2>/dev/null && echo running || echo ended); Wine said: $(tail -c 300 "$wlog" 2>/dev/null | tr "\n" " "))"
xdotool mousemove $((cx + 580)) $((cy + 35)) click 1
xdotool mousemove $((cx + 5)) $((cy + 470))
dealt='^game/MainFrameWnd\.cpp \[[0-9]+\] => MainFrameWnd::DoGameSetup ismatch\? (YES|NO)'
votaroo_at_least 30 1 votaroo_deals
sleep 1
import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$out/installed-game.png"
grep -aqE "$dealt" "$trace" || fail "no dealt card in the trace log: $(head -3 "$trace" 2>&1)"
# Mid-game the buttons are hidden: the close box, the rightmost square of the caption Wine draws.
caption=$((HEIGHT - 480 - 2 * border))
xdotool mousemove $((X + WIDTH - border - caption / 2 - 1)) $((Y + border + caption / 2)) click 1
votaroo_wait 60 votaroo_ended $game || fail "the game did not end on its close box"
wait $game

step "the installed report reads the log"
"$root/tools/wine-run.sh" "$programs/votaroo-report.exe" 'C:\TMP\TRACE.QRV' >"$out/report.txt" 2>&1 ||
  fail "the report failed ($?): $(cat "$out/report.txt")"
[ -s "$page" ] || fail "no report page beside the log"
grep -q '</html>' "$page" || fail "the report page is not whole"
cp "$trace" "$out/trace-before.qrv"
cp "$page" "$out/page-before.html"

step "installed again, then removed silently"
msiexec again /i "$(winpath "$msi")" || fail "the second install failed ($?), see $out/again.log"
cmp -s "$programs/votaroo.exe" "$build/votaroo.exe" || fail "the second install changed the game"
[ "$(ls "$menu" | grep -ci votaroo)" = 2 ] || fail "shortcuts after the second install: $(ls "$menu")"
msiexec uninstall /x "$(winpath "$msi")" || fail "msiexec /x failed ($?), see $out/uninstall.log"
nothing_left "$code"
cmp -s "$trace" "$out/trace-before.qrv" || fail "the trace log changed"
cmp -s "$page" "$out/page-before.html" || fail "the report page changed"

step "a later version replaces the installed one"
IFS=. read -r major minor patch <<<"$version"
next="$major.$minor.$((patch + 1))"
later="$build/msi-later"
cmake -S "$root" -B "$later" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
  -DVOTAROO_TESTS=OFF -DVOTAROO_VERSION="$next" >"$out/later.log" 2>&1 &&
  cmake --build "$later" -j"$(nproc)" --target votaroo-msi >>"$out/later.log" 2>&1 ||
  fail "cannot build version $next: $(tail -5 "$out/later.log")"
msi2="$later/msi/votaroo-$next.msi"
code2=$(property "$msi2" ProductCode)
[ "$(property "$msi2" UpgradeCode)" = "$(property "$msi" UpgradeCode)" ] || fail "the later version has another upgrade code"
[ -n "$code2" ] && [ "$code2" != "$code" ] || fail "the later version has the same product code"
# A school's line: every property of the class preset.
msiexec old /i "$(winpath "$msi")" OPERATIONS=4 COPIES=7 HIGHEST=10 PACE=slowest SOUNDS=off PRACTICE=on LANGUAGE=de \
  PLAYERS=Ann,Ben,Cem ||
  fail "installing $version with a class preset failed ($?), see $out/old.log"
wanted="Copies=7 Highest=10 Language=de Operations=4 Pace=slowest Players=Ann,Ben,Cem Practice=on Sounds=off "
[ "$(preset)" = "$wanted" ] || fail "the preset written is \"$(preset)\", not \"$wanted\""
# A line of the school's own, which no uninstall may take.
own="; class 3b, set up by the school"
printf '%s\r\n' "$own" >>"$programs/votaroo.ini"
msiexec upgrade /i "$(winpath "$msi2")" || fail "installing $next failed ($?), see $out/upgrade.log"
[ "$(preset)" = "$wanted" ] || fail "after the upgrade the preset is \"$(preset)\", not \"$wanted\""
grep -qF "$own" "$programs/votaroo.ini" || fail "the upgrade lost the school's own line"
[ -z "$(entry "$code")" ] && ! listed "$code" || fail "$version is still registered beside $next"
[ "$(entry_value "$code2" DisplayVersion)" = "$next" ] || fail "no entry for $next: $(entry "$code2")"
cmp -s "$programs/votaroo.exe" "$later/votaroo.exe" || fail "the game is not the one of $next"
cmp -s "$programs/votaroo-report.exe" "$later/report/votaroo-report.exe" || fail "the report is not the one of $next"
[ "$(ls "$menu" | grep -ci votaroo)" = 2 ] || fail "shortcuts after the upgrade: $(ls "$menu")"
cmp -s "$trace" "$out/trace-before.qrv" || fail "the upgrade changed the trace log"
msiexec uninstall-later /x "$(winpath "$msi2")" || fail "removing $next failed ($?)"
# The keys it wrote are gone; the school's own line is left, and with it the file and folder.
[ -z "$(preset)" ] || fail "the uninstall left the preset \"$(preset)\""
grep -qF "$own" "$programs/votaroo.ini" || fail "the uninstall took the school's own line"
# Windows Installer takes out entries, not files: beside that line only the section's header.
left=$(tr -d '\r' <"$programs/votaroo.ini" | grep -vxF '[Votaroo]' | grep -vxF "$own" | grep -c .)
[ "$left" = 0 ] || fail "the uninstall left more in votaroo.ini: $(cat "$programs/votaroo.ini")"
rm "$programs/votaroo.ini"
rmdir "$programs" 2>/dev/null
nothing_left "$code2"
cmp -s "$trace" "$out/trace-before.qrv" || fail "the trace log changed"
echo "msi: $(basename "$msi") installed, played, reported, reinstalled, removed; with a class preset replaced by $next, the preset kept, then removed; the log kept"
