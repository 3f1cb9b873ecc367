#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts the installed program
# as a new user would: from an empty folder, with a fresh home, no display.
# install_test.sh BUILD_FOLDER
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/prefix" >/dev/null
prefix=$work/prefix
id=example.larkspur.LivesOfHellas
program=$prefix/bin/lives-of-hellas

for file in share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg share/man/man1/lives-of-hellas.1.gz \
    share/lives-of-hellas/multiple/phidias.txt share/lives-of-hellas/Images/homersm.jpg \
    share/lives-of-hellas/el/multiple/phidias.txt "share/lives-of-hellas/el/wmf/key phidiasa.wmf" \
    share/lives-of-hellas/el/wmf2/guide1.wmf \
    share/doc/lives-of-hellas/copyright; do
  [ -s "$prefix/$file" ] || fail "$file is not installed"
done
for size in 48 128 256; do
  file "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png" | grep -q "PNG image data, $size x $size" ||
    fail "the ${size} px icon is missing or of another size"
done
for multiple in multiple el/multiple; do
  [ "$(ls "$prefix/share/lives-of-hellas/$multiple")" = phidias.txt ] ||
    fail "worksheets or a catalogue were installed as content in $multiple"
done
zcat "$prefix/share/man/man1/lives-of-hellas.1.gz" | grep -q 'worksheets=' || fail "the manual page lacks the school's setting"

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
grep -q "Icon=$id" "$prefix/share/applications/$id.desktop" || fail "the desktop entry names another icon"

# The sound module lies where the installed program looks for it; only the
# module, not the program, loads Qt Multimedia.
module=$(find "$prefix" -name 'libhellas_soundeffects.so')
[ "$module" = "$prefix/$HELLAS_SOUND_MODULE_DIR/libhellas_soundeffects.so" ] ||
  fail "the sound module is not in $HELLAS_SOUND_MODULE_DIR: ${module:-none}"
grep -q 'libQt6Multimedia' <<<"$(ldd "$module")" || fail "the sound module does not link Qt Multimedia"
if grep -q 'libQt6Multimedia' <<<"$(ldd "$program")"; then fail "the program itself links Qt Multimedia"; fi

# Help and version answer on the terminal without a display.
help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --help)
echo "$help" | grep -q -- '--worksheets <folder>' || fail "--help: $help"
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --version)
[ "$version" = "Lives of Hellas $HELLAS_VERSION" ] || fail "--version: $version"

# The results export needs no display either, and fails loudly when it writes nothing.
mkdir -p "$work/results"
printf 'lives-of-hellas result 1\r\ndate=2026-12-07T09:32:15+01:00\r\nactivity=worksheet\r\nworksheet=Temples\r\npupil=Eleni\r\nscore=7\r\nout_of=10\r\n' \
  >"$work/results/one.result"
export_results() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --results "$work/results" --export-results "$@"
}
export_results "$work/results.csv" --worksheet temples >/dev/null || fail "--export-results ended with $?"
row=$(tail -n +2 "$work/results.csv" | cut -d, -f2-6)
[ "$row" = "worksheet,Temples,Eleni,7,10" ] || fail "--export-results wrote: $(cat -A "$work/results.csv")"
if export_results "$work/no/such/folder.csv" 2>/dev/null; then fail "an export that wrote no file succeeded"; fi
if export_results "$work/late.csv" --since 7.12.2026 2>/dev/null; then fail "--since took a date not YYYY-MM-DD"; fi

# Questions come in from a learning platform's file ten to a worksheet and go
# out again, with no display; nothing of a teacher's is replaced unasked.
for n in $(seq 1 21); do printf '::Q%s:: Who founded city %s? {=Hero A ~Hero B ~Hero C ~Hero D}\n\n' "$n" "$n"; done \
  >"$work/heroes.gift"
exchange() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --worksheets "$work/sheets" "$@"; }
summary=$(exchange --import "$work/heroes.gift") || fail "--import ended with $?"
grep -q '^2 worksheets saved' <<<"$summary" || fail "--import said: $summary"
grep -q '^heroes 2' "$work/sheets/track.txt" || fail "--import left the catalogue: $(cat "$work/sheets/track.txt")"
if exchange --import "$work/heroes.gift" >/dev/null 2>&1; then fail "a second --import replaced the worksheets"; fi
exchange --export 'heroes 2' --format aiken --output "$work/heroes.txt" >/dev/null || fail "--export ended with $?"
[ "$(sed -n 1p "$work/heroes.txt")" = 'Who founded city 11?' ] || fail "--export wrote: $(cat "$work/heroes.txt")"
if exchange --export 'Atlantis' --format gift --output "$work/none.gift" 2>/dev/null; then
  fail "--export of a worksheet that does not exist succeeded"
fi

# Without a display the program says how to start it, and ends with 1 instead of Qt's crash.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" >"$work/out" 2>"$work/errors" || status=$?
[ "$status" = 1 ] || fail "without a display the program ended with $status: $(cat "$work/errors")"
grep -q "needs a graphical display" "$work/errors" || fail "without a display the program said: $(cat "$work/errors")"
grep -q 'xvfb-run -a' "$work/errors" || fail "without a display the program did not name xvfb-run: $(cat "$work/errors")"
if grep -q "Reinstalling" "$work/errors"; then fail "without a display Qt still spoke: $(cat "$work/errors")"; fi
[ ! -s "$work/out" ] || fail "without a display the program wrote on standard output: $(cat "$work/out")"

# The installed program finds its content beside its own prefix and writes nothing.
mkdir -p "$work/home" "$work/empty" "$work/runtime"
chmod 700 "$work/runtime"
(cd "$prefix/share/lives-of-hellas" && find . -type f -exec sha256sum {} + | sort) >"$work/content-before"
start() {
  # A sanitizer build keeps its options.
  (cd "$work/empty" && env -i PATH=/usr/bin:/bin HOME="$work/home" QT_QPA_PLATFORM=offscreen \
      XDG_RUNTIME_DIR="$work/runtime" ASAN_OPTIONS="${ASAN_OPTIONS:-}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" \
      "$program" --self-test "$@")
}
shown=$(start) || fail "the installed program did not start: $shown"
[ "$shown" = "title screen shown" ] || fail "the installed program said: $shown"
[ -z "$(ls -A "$work/empty")" ] || fail "the program wrote into its working folder"
[ ! -e "$work/home/.local/share/lives-of-hellas" ] || fail "the worksheet folder was made before any save"

# A worksheet folder named for the start is left for the first save to make.
shown=$(start --worksheets "$work/school/worksheets") || fail "no start with a folder still to be made"
[ "$shown" = "title screen shown" ] || fail "with a folder still to be made the program said: $shown"
[ ! -e "$work/school" ] || fail "the named worksheet folder was made before any save"

# A worksheet folder that cannot be used is reported, and the program still starts.
shown=$(start --worksheets /proc/self/worksheets 2>"$work/errors") || fail "no start with an unusable folder"
[ "$shown" = "title screen shown" ] || fail "with an unusable folder the program said: $shown"
grep -q "The worksheet folder /proc/self/worksheets cannot be used" "$work/errors" ||
  fail "the unusable folder was not reported: $(cat "$work/errors")"

(cd "$prefix/share/lives-of-hellas" && find . -type f -exec sha256sum {} + | sort) >"$work/content-after"
cmp -s "$work/content-before" "$work/content-after" || fail "the installed content changed"
echo "installed and started"
