#!/usr/bin/env bash
# A results drop folder set up as the README says: pupils' records go in, no
# pupil can list or read another's, and a teacher exports them all. Also the
# mode each account starts in at a school's worksheet folder. Needs root to act
# as several users; skipped (77) otherwise.
# results_drop_folder_test.sh RESULTS_HELPER
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
pupils=4712
as() { # as UID GID LOGIN COMMAND...: runs as that account, with the usual umask
  local uid=$1 gid=$2 login=$3
  shift 3
  (umask 022 && env LOGNAME="$login" USER="$login" HOME="$work" \
    setpriv --reuid="$uid" --regid="$gid" --clear-groups "$@")
}

drop=$work/results
install -d -m 1733 "$drop"
if ! setfacl -m g:$teachers:rwx -m d:g:$teachers:r "$drop" 2>/dev/null; then
  echo "the temporary folder's file system takes no access control lists"
  exit 77
fi
as 2001 $pupils eleni "$helper" write "$drop" "Eleni" || fail "the first pupil could not write a record"
as 2002 $pupils nikos "$helper" write "$drop" "Nikos" || fail "the second pupil could not write a record"
eleni=$(ls "$drop" | grep -- '-eleni-') || fail "no record of the first pupil: $(ls -a "$drop")"
if as 2002 $pupils nikos ls "$drop" >/dev/null 2>&1; then fail "a pupil listed the drop folder"; fi
if as 2002 $pupils nikos cat "$drop/$eleni" >/dev/null 2>&1; then fail "a pupil read another's record"; fi

install -d -m 700 -o 3001 "$work/teacher"
as 3001 $teachers teacher "$helper" export "$drop" "$work/teacher/results.csv" || fail "the teacher's export failed"
pupils_exported=$(cut -d, -f4 "$work/teacher/results.csv" | tail -n +2 | tr -d '\r' | sort | tr '\n' ' ')
[ "$pupils_exported" = "Eleni Nikos " ] || fail "export: $(cat -A "$work/teacher/results.csv")"

# A pupil may not write the school's worksheet folder, so starts as a pupil.
install -d -m 2775 -g $teachers "$work/multiple"
[ "$(as 2001 $pupils eleni "$helper" mode "$work/multiple")" = pupil ] || fail "a pupil started in teacher mode"
[ "$(as 3001 $teachers teacher "$helper" mode "$work/multiple")" = teacher ] || fail "a teacher started in pupil mode"
echo "pupils drop records they cannot read back; the teacher exports them all"
