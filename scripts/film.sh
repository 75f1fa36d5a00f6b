#!/bin/sh
# Turns recorded frames (DIR/file0000.bmp, file0001.bmp, ...) into a film.
# Usage: scripts/film.sh DIR OUT [FRAMES_PER_SECOND]
# OUT ending in .gif makes an animated picture, anything else (.mp4, .webm,
# .mkv) a video. Needs ffmpeg: scripts/install-deps.sh --film installs it.
set -eu

if [ $# -lt 2 ]; then
    echo "usage: $0 DIR OUT [FRAMES_PER_SECOND]" >&2
    exit 2
fi
dir=$1
out=$2
rate=${3:-5}
if ! command -v ffmpeg >/dev/null 2>&1; then
    echo "$0: ffmpeg is not installed (scripts/install-deps.sh --film installs it)" >&2
    exit 1
fi
if [ ! -f "$dir/file0000.bmp" ]; then
    echo "$0: $dir/file0000.bmp not found" >&2
    exit 1
fi
# %04d also reads file10000.bmp and beyond: printf pads to at least four digits.
case "$out" in
*.gif)
    exec ffmpeg -hide_banner -loglevel error -y -framerate "$rate" -i "$dir/file%04d.bmp" \
        -vf "split[a][b];[a]palettegen[p];[b][p]paletteuse" "$out"
    ;;
*)
    exec ffmpeg -hide_banner -loglevel error -y -framerate "$rate" -i "$dir/file%04d.bmp" \
        -c:v libx264 -pix_fmt yuv420p "$out"
    ;;
esac
