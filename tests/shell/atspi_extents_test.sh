#!/usr/bin/env bash
# Where a magnifier is told the controls lie: the program fills a 1920 x 1080
# virtual display (Qt's scale factor 1.8), and the extents AT-SPI reports for
# each control must be where the control is drawn, in the display's pixels.
#   atspi_extents_test.sh PROGRAM CONTENT_FOLDER
# Needs xvfb-run, dbus-run-session, at-spi-bus-launcher, xdotool and Debian's
# python3-pyatspi; skipped (77) without them.
set -euo pipefail
program=$(realpath "$1")
content=$(realpath "$2")
launcher=/usr/libexec/at-spi-bus-launcher
for tool in xvfb-run dbus-run-session xdotool; do
  command -v "$tool" >/dev/null || { echo "needs $tool"; exit 77; }
done
[ -x "$launcher" ] || { echo "needs $launcher"; exit 77; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "needs python3-pyatspi"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
cp -r "$content" "$work/app"

# Keys (xdotool names) to reach the control | its AT-SPI role | its name |
# where it is drawn: x y width height, measured on a screenshot.
cat >"$work/table" <<'EOF'
|filler|Lives of Hellas|0 0 1920 1080
|push button|OK|792 855 160 45
|push button|Exit|965 855 160 45
Tab shift+Tab space|push button|Multiple Choice Wizard|1062 691 556 60
|push button|Exit|1508 950 150 60
Tab Tab Tab Return|text|Worksheet title|1148 14 506 45
EOF

# Finds a showing object of the program by role and name and prints its
# extents on the screen; fails when they are more than 3 pixels off.
cat >"$work/extents.py" <<'EOF'
import sys, time
import pyatspi
role, name = sys.argv[1], sys.argv[2]
drawn = [int(v) for v in sys.argv[3].split()]

def find():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Lives of Hellas":
            return pyatspi.findDescendant(app, lambda o: o.getRoleName() == role and o.name == name
                                          and o.getState().contains(pyatspi.STATE_SHOWING))
    return None

found = None
for _ in range(100):
    found = find()
    if found: break
    time.sleep(0.1)
if not found:
    print(f"FAIL: no showing {role} named '{name}'")
    sys.exit(1)
box = found.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
reported = [box.x, box.y, box.width, box.height]
off = max(abs(a - b) for a, b in zip(reported, drawn))
print(f"{'ok' if off <= 3 else 'FAIL'}: {role} '{name}' reported at {reported}, drawn at {drawn}")
sys.exit(0 if off <= 3 else 1)
EOF

cat >"$work/session" <<'EOF'
#!/usr/bin/env bash
set -u
"$LAUNCHER" --launch-immediately &
sleep 1
cd "$WORK/app"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$PROGRAM" --zoom fit >"$WORK/program.out" 2>&1 &
app=$!
trap 'kill $app 2>/dev/null' EXIT
# Without a window manager nothing gives a new window the keyboard.
timeout 20 xdotool search --sync --onlyvisible --pid $app --name "Lives of Hellas" windowfocus >/dev/null 2>&1
sleep 1
failed=0
while IFS='|' read -r keys role name drawn; do
  # shellcheck disable=SC2086
  [ -n "$keys" ] && xdotool key --delay 150 $keys && sleep 1
  /usr/bin/python3 "$WORK/extents.py" "$role" "$name" "$drawn" || failed=1
done <"$WORK/table"
[ "$failed" -eq 0 ] || cat "$WORK/program.out"
exit $failed
EOF
chmod +x "$work/session"
export WORK=$work PROGRAM=$program LAUNCHER=$launcher
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/home/.config
unset QT_QPA_PLATFORM QT_SCALE_FACTOR
xvfb-run -a -s "-screen 0 1920x1080x24" dbus-run-session -- "$work/session"
