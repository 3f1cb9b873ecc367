#!/usr/bin/env bash
# Two teachers, two user accounts, one school folder set up as the README says:
# each sees and extends the other's catalogue. Needs root to act as two users;
# skipped (77) otherwise.
# shared_folder_test.sh SAVE_HELPER
set -euo pipefail
helper=$1
if [ "$(id -u)" -ne 0 ] || ! command -v setpriv >/dev/null || ! command -v setfacl >/dev/null; then
  echo "needs root, setpriv and setfacl"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }
teachers=4711
as() { # as UID: saves as that user in the teachers' group, with the usual umask
  local uid=$1
  shift
  (umask 022 && setpriv --reuid="$uid" --regid="$teachers" --clear-groups "$helper" "$@")
}

# Without the group's default permissions the second teacher cannot extend the
# first one's catalogue: the reason for the README's set-up.
install -d -m 2775 -g "$teachers" "$work/plain"
as 2001 "$work/plain" Athens 1 || fail "the first teacher could not save"
if as 2002 "$work/plain" Sparta 1; then fail "a catalogue of another user was replaced without group write"; fi

install -d -m 2775 -g "$teachers" "$work/school"
if ! setfacl -d -m g::rwX "$work/school" 2>/dev/null; then
  echo "the temporary folder's file system takes no access control lists"
  exit 77
fi
as 2001 "$work/school" Athens 2 || fail "the first teacher's saves failed"
as 2002 "$work/school" Sparta 2 || fail "the second teacher's saves failed"
as 2001 "$work/school" Delphi 1 || fail "the first teacher's later save failed"
expected=$(printf ' 5 \r\nAthens1\r\nAthens2\r\nSparta1\r\nSparta2\r\nDelphi1\r\n')
[ "$(cat "$work/school/track.txt")" = "$expected" ] || fail "catalogue: $(cat -A "$work/school/track.txt")"
echo "two teachers share one folder"
