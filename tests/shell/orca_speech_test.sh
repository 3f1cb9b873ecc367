#!/usr/bin/env bash
# What a blind pupil hears: the program run under Orca on a virtual display,
# driven by key presses, with Orca's speech read from its log. Each row of the
# table is keys pressed and words Orca must say after them.
#   orca_speech_test.sh PROGRAM CONTENT_FOLDER
# Needs orca, xvfb-run, dbus-run-session, at-spi-bus-launcher and xdotool;
# skipped (77) without them or while another Orca runs for this user (Orca
# refuses to start a second time).
set -euo pipefail
program=$(realpath "$1")
content=$(realpath "$2")
launcher=/usr/libexec/at-spi-bus-launcher
for tool in orca xvfb-run dbus-run-session xdotool; do
  command -v "$tool" >/dev/null || { echo "needs $tool"; exit 77; }
done
[ -x "$launcher" ] || { echo "needs $launcher"; exit 77; }
if pgrep -u "$(id -u)" -r R,S,D,T -x orca >/dev/null; then echo "another Orca runs for this user"; exit 77; fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/prefs" "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
cp -r "$content" "$work/app"

# No speech server (with none and no audio device Orca can hang); every
# utterance still reaches the "speech" log, written through at once.
cat >"$work/prefs/orca-customizations.py" <<'EOF'
import logging, os
import orca.settings
orca.settings.speechServerFactory = None
orca.settings.speechFactoryModules = []
orca.settings.enableBraille = False
_handler = logging.FileHandler(os.environ["HELLAS_SPEECH_LOG"])
_handler.setFormatter(logging.Formatter("%(message)s"))
logging.getLogger("speech").addHandler(_handler)
EOF

# Keys (xdotool names, blank-separated) | words Orca says after them (more
# than one utterance: each after a further "|"). A table of one's own in
# HELLAS_ORCA_TABLE replaces it, to try keys by hand.
if [ -n "${HELLAS_ORCA_TABLE:-}" ]; then cp "$HELLAS_ORCA_TABLE" "$work/table"; else cat >"$work/table" <<'EOF'
Tab|Exit push button
shift+Tab|OK push button
space|Main menu panel
Tab Tab Tab Tab Tab Tab Tab|Exit push button
Return|Cancel push button
Tab|Exit push button
@start|
Tab shift+Tab space|Main menu panel
Tab Tab Tab|Multiple Choice Wizard push button
Return|Multiple Choice Wizard panel|Worksheet title text
Tab|Question 1 text
Tab|Question 1, answer A text
@start|
Tab shift+Tab space|Main menu panel
Tab Tab|Phidias push button
Return|Phidias panel
Tab Tab Tab Tab|Jigsaw push button
Return|Jigsaw panel
Tab|Enter to pick up, arrow keys to move
Return|Picked up piece
Right|, in row 1, column 3
Return|put down in row 1, column 3
@start|
Tab shift+Tab space|Main menu panel
Tab Tab|Phidias push button
Return|Phidias panel
Tab shift+Tab|Key Facts push button
Return|Page 1 of 2
Tab shift+Tab Return|Page 2 of 2
@start|
Tab shift+Tab space|Main menu panel
Tab Tab|Phidias push button
Return|Phidias panel
Tab Tab|Multiple Choice push button
Return|Question 1 of 10. Which city did the sculptor Phidias come from?
Tab|Next Question
Return|Question 2 of 10
Tab Tab|Next Question
Return|Question 3 of 10
Tab Tab|Next Question
Return|Question 4 of 10
Tab Tab|Next Question
Return|Question 5 of 10
Tab Tab|Next Question
Return|Question 6 of 10
Tab Tab|Next Question
Return|Question 7 of 10
Tab Tab|Next Question
Return|Question 8 of 10
Tab Tab|Next Question
Return|Question 9 of 10
Tab Tab|Next Question
Return|Question 10 of 10
Tab Tab|Check Score
Return|You have scored 0 out of 10.
EOF
fi

cat >"$work/session" <<'EOF'
#!/usr/bin/env bash
set -u
log=$HELLAS_SPEECH_LOG
: >"$log"
"$LAUNCHER" --launch-immediately &
sleep 1
# --replace: the Orca of the section before may not have gone yet (none of
# the user's own runs: that was checked before the first section).
orca --replace -u "$WORK/prefs" >"$WORK/orca.out" 2>&1 &
orca=$!
trap 'kill -9 $orca 2>/dev/null; wait $orca 2>/dev/null' EXIT
saw() { # saw FROM WORDS: the words in the log after line FROM, within 30 s
  for _ in $(seq 300); do
    tail -n +"$(($1 + 1))" "$log" | grep -qF -- "$2" && return 0
    sleep 0.1
  done
  return 1
}
saw 0 "Screen reader on" || { echo "Orca did not start:"; cat "$WORK/orca.out"; exit 1; }
sleep 1
cd "$WORK/app"
app=
start() { # the program afresh, on its title screen
  [ -n "$app" ] && kill $app 2>/dev/null && wait $app 2>/dev/null
  local from
  from=$(wc -l <"$log")
  # Orca sometimes misses a window that comes up while it is still settling:
  # a second start is given the chance a person would give it.
  for _ in 1 2; do
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$PROGRAM" --zoom 1 >>"$WORK/program.out" 2>&1 &
    app=$!
    # Without a window manager nothing gives a new window the keyboard.
    timeout 20 xdotool search --sync --onlyvisible --pid $app --name "Lives of Hellas" windowfocus >/dev/null 2>&1
    saw "$from" "OK push button" && return 0
    kill $app 2>/dev/null && wait $app 2>/dev/null
  done
  echo "the title screen was not spoken"; cat "$log" "$WORK/program.out"; tail -20 "$WORK/orca.out"; kill -9 $orca; exit 1
}
start
passed=0 failed=0
while IFS='|' read -r keys words; do
  from=$(wc -l <"$log")
  # shellcheck disable=SC2086
  xdotool key --delay 150 $keys
  said=1
  IFS='|' read -ra utterances <<<"$words"
  for words in "${utterances[@]}"; do saw "$from" "$words" || { said=0; break; }; done
  if [ "$said" -eq 1 ]; then
    passed=$((passed + 1))
    # The words can come before the screen has settled (a key's own echo).
    sleep 0.5
  else
    failed=$((failed + 1))
    echo "FAIL: after '$keys' Orca did not say '$words'; it said:"
    tail -n +"$((from + 1))" "$log" | grep "SPEECH OUTPUT" | sed 's/^/    /'
  fi
done <"$1"
kill $app 2>/dev/null
kill -9 $orca 2>/dev/null
[ -n "${HELLAS_ORCA_LOG:-}" ] && cat "$log" >>"$HELLAS_ORCA_LOG"
if [ "$failed" -gt 0 ]; then echo "Everything Orca said:"; grep "SPEECH OUTPUT" "$log" | sed 's/^/    /'; fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
EOF
chmod +x "$work/session"
export HELLAS_ORCA_LOG=${HELLAS_ORCA_LOG:-}
export WORK=$work PROGRAM=$program LAUNCHER=$launcher HELLAS_SPEECH_LOG=$work/speech.log
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
unset QT_QPA_PLATFORM
# Each section of the table (split at "@start") runs in a session of its own:
# a program started afresh under an Orca that has seen no other. On a loaded
# machine a key can outrun the program, so a failed section gets a second
# session before it counts.
awk -v dir="$work" 'BEGIN { n = 1 } /^@start\|/ { n++; next } { print > (dir "/section." n) }' "$work/table"
failed=0
for section in "$work"/section.*; do
  for attempt in 1 2; do
    if xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- "$work/session" "$section"; then break; fi
    if [ "$attempt" -eq 2 ]; then failed=1; else echo "Trying $(basename "$section") once more."; fi
  done
done
exit $failed
