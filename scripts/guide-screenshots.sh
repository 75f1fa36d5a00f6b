#!/bin/sh
# The pictures of docs/guide.md, each made with scripts/screenshot.sh.
# Usage: scripts/guide-screenshots.sh BUILD_DIR OUT_DIR
set -eu

if [ $# -ne 2 ]; then
    echo "usage: $0 BUILD_DIR OUT_DIR" >&2
    exit 2
fi
build=$1
out=$(realpath -m "$2")
here=$(dirname "$0")
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

shot() { # NAME PICTURE ACTION... : keeps PICTURE (main, dock or TFormN) as NAME.png
    name=$1 picture=$2
    shift 2
    "$here/screenshot.sh" "$build" "$tmp/$name.png" "$@" >/dev/null
    case $picture in
    main) cp "$tmp/$name.png" "$out/$name.png" ;;
    *) cp "$tmp/$name-$picture.png" "$out/$name.png" ;;
    esac
    echo "$out/$name.png"
}

export RCALAB_SCREENSHOT_DELAY_MS=${RCALAB_SCREENSHOT_DELAY_MS:-1500}
# A trial in the clock view with the particle-model verdict.
shot trial main RadioGroup12_0 CheckBox33 Button58 Button6
shot show-initial TForm3 Showinitial1
shot show-t6 TForm5 Begim1 wait:8000 ShowtMatrix1
shot show-rca TForm6 ShowCA1 TForm6.Button14 'TForm6@200:100:r'
shot explore-change TForm10 showCHANGE21 TForm10.Button3 'TForm10@150:90'
shot improve TForm11 ShowIMPROOVE1
shot video-size TForm12 Showvideo1
shot mask-test TForm13 Showt61
shot t6-graphs TForm14 Showgrafics1
shot square TForm15 WriteLOGfile1 TForm15.Edit1=1 TForm15.Button3
# Last: the longer wait may stay set. The batch mode with its statistics.
RCALAB_SCREENSHOT_DELAY_MS=4000 shot batch dock BatchStatistics Timer101
