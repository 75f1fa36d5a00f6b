#!/bin/sh
# Long runs that must stay flat in memory, with the resident size sampled
# every 10 s into OUT.rss ("seconds kB" per line).
#   scripts/soak.sh batch BUILD_DIR OUT TRIALS   a headless batch (--seed 1 --json)
#   scripts/soak.sh gui BUILD_DIR OUT SECONDS    the window's batch mode ('Timer10' in
#                                                'Initial': random trials one after
#                                                another) under Xvfb, then OUT.png
set -eu
[ $# -eq 4 ] || { echo "usage: $0 batch|gui BUILD_DIR OUT TRIALS|SECONDS" >&2; exit 2; }
mode=$1 build=$(realpath "$2") out=$(realpath -m "$3") amount=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/src/cli/rcalab-cli" init-workdir "$work/wd" >/dev/null
cd "$work/wd"

sample() { # FULL_COMMAND_LINE_PATTERN: until that process exits
    start=$(date +%s)
    : >"$out.rss"
    while sleep 10; do
        pid=$(pgrep -n -f "$1") || break
        kb=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status" 2>/dev/null) || break
        [ -n "$kb" ] || break
        echo "$(($(date +%s) - start)) $kb" >>"$out.rss"
    done
}

case $mode in
batch)
    sample "^$build/src/cli/rcalab-cli batch" &
    /usr/bin/time -v "$build/src/cli/rcalab-cli" batch --trials "$amount" --seed 1 --json \
        >"$out.json" 2>"$out.time"
    ;;
gui)
    sample "^$build/src/gui/rcalab\$" &
    RCALAB_SCREENSHOT="$out.png" RCALAB_SCREENSHOT_CLICKS=Timer101 \
    RCALAB_SCREENSHOT_DELAY_MS=$((amount * 1000)) \
        timeout $((amount + 120)) xvfb-run -a -s "-screen 0 1280x1024x24" \
        /usr/bin/time -v "$build/src/gui/rcalab" 2>"$out.time"
    ;;
*) echo "$0: unknown mode $mode" >&2; exit 2 ;;
esac
wait
echo "$out.rss"
