#!/bin/sh
# Grabs the rcalab window under a virtual X server.
# Usage: scripts/screenshot.sh BUILD_DIR OUT.png [ACTION...]
# Each ACTION clicks a control or menu item by component name (Button58,
# F11), or types into an edit field (Edit7=12), in order, before the grab;
# wait:MS lets the program run MS milliseconds before the next action;
# TForm15.Edit1=3 or TForm6.Button14 acts only in that open window;
# TForm6@x:y[:r] clicks a window's picture, TForm6@x:y>x2:y2 drags.
# An open modal window is saved as OUT-TFormN.png.
# RCALAB_SCREENSHOT_DELAY_MS (default 500) is the wait after the actions.
# If the batch statistics dock is open, it is saved as OUT-dock.png too.
set -eu

if [ $# -lt 2 ]; then
    echo "usage: $0 BUILD_DIR OUT.png [ACTION...]" >&2
    exit 2
fi
build=$(realpath "$1")
out=$(realpath -m "$2")
shift 2

app="$build/src/gui/rcalab"
cli="$build/src/cli/rcalab-cli"
for f in "$app" "$cli"; do
    [ -x "$f" ] || { echo "$0: $f is not built" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" init-workdir "$work/wd" >/dev/null

actions=$(IFS=,; printf '%s' "$*")
cd "$work/wd"
# Sanitizer builds: the X and font libraries' own allocations are not ours.
# A settings folder of its own: the window opens where the picture expects it,
# and the user's remembered place is left alone.
XDG_CONFIG_HOME="$work/settings" ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0} \
RCALAB_SCREENSHOT="$out" RCALAB_SCREENSHOT_CLICKS="$actions" \
    timeout 120 xvfb-run -a -s "-screen 0 1280x1024x24" "$app"
[ -s "$out" ] || { echo "$0: no picture was written" >&2; exit 1; }
echo "$out"
