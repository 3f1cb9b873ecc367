#!/usr/bin/env bash
# Reads the Debian package that tools/package made: its files, its
# dependencies and what lintian says. Skipped (77) when there is none.
# package_test.sh PACKAGE_FOLDER
set -euo pipefail
shopt -s nullglob
packages=("$1"/lives-of-hellas_*_*.deb)
if [ ${#packages[@]} -eq 0 ]; then
  echo "no package in $1: run tools/package first"
  exit 77
fi
deb=${packages[-1]}
fail() { echo "FAIL: $*" >&2; exit 1; }
id=example.larkspur.LivesOfHellas

files=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for file in ./usr/bin/lives-of-hellas ./usr/share/applications/$id.desktop \
    ./usr/share/metainfo/$id.metainfo.xml ./usr/share/icons/hicolor/48x48/apps/$id.png \
    ./usr/share/icons/hicolor/128x128/apps/$id.png ./usr/share/icons/hicolor/256x256/apps/$id.png \
    ./usr/share/icons/hicolor/scalable/apps/$id.svg ./usr/share/man/man1/lives-of-hellas.1.gz \
    ./usr/share/doc/lives-of-hellas/copyright ./usr/share/doc/lives-of-hellas/changelog.gz \
    ./usr/share/lives-of-hellas/multiple/phidias.txt ./usr/share/lives-of-hellas/Images/homersm.jpg \
    ./usr/share/lives-of-hellas/el/multiple/phidias.txt ./usr/share/lives-of-hellas/el/wmf2/guide1.wmf; do
  grep -qx -- "$file" <<<"$files" || fail "$file is not in the package"
done
grep -qE '^./usr/lib/([^/]+/)?lives-of-hellas/modules/libhellas_soundeffects.so$' <<<"$files" ||
  fail "the sound module is not in the package"
grep -q '^./usr/share/lives-of-hellas/wmf2/' <<<"$files" || fail "the printed pages are not in the package"
# Of each "multiple" folder, the English one and a language's, only the question set is content.
if grep -E '/multiple/.+' <<<"$files" | grep -vqxE '\./usr/share/lives-of-hellas/([a-z]+/)?multiple/phidias\.txt'; then
  fail "worksheets or a catalogue are in the package"
fi

[ "$(dpkg-deb --field "$deb" Section)" = education ] || fail "section"
depends=$(dpkg-deb --field "$deb" Depends)
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6multimedia6 libc6 fonts-liberation2 fonts-wine; do
  grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
if grep -qE -- '-dev\b|cmake|ninja|g\+\+|rsvg|gtest|benchmark' <<<"$depends"; then
  fail "Depends pulls in build tools: $depends"
fi

lintian_output=$(lintian --tag-display-limit 0 "$deb" 2>&1 || true)
echo "$lintian_output"
if grep -q '^E:' <<<"$lintian_output"; then fail "lintian reports errors"; fi
echo "package $deb checked"
