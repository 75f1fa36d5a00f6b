#!/bin/sh
# Installs the Debian packages rcalab needs to build, test and run.
# Idempotent and non-interactive: does nothing when everything is present.
set -eu

PACKAGES="g++ cmake ninja-build make pkg-config clang-format \
qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev qt6-charts-dev libgl-dev \
libgtest-dev libgmock-dev libbenchmark-dev \
pybind11-dev python3-dev python3-numpy python3-pytest python3-distributed python3-hypothesis python3-tqdm \
jupyter-nbconvert python3-ipykernel python3-matplotlib \
python3-venv python3-pip python3-setuptools \
xvfb xauth libxkbcommon-x11-0 libxcb-cursor0 fonts-dejavu-core time procps \
help2man dpkg-dev desktop-file-utils"
# The package test runs lintian on the .deb.
PACKAGES="$PACKAGES lintian"

# `install-deps.sh --fuzz` adds what the libFuzzer builds need,
# `install-deps.sh --film` ffmpeg for scripts/film.sh.
case "${1:-}" in
--fuzz) PACKAGES="$PACKAGES clang-14 libfuzzer-14-dev libclang-rt-14-dev" ;;
--film) PACKAGES="$PACKAGES ffmpeg" ;;
esac

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

[ -z "$missing" ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing:$missing"
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -qq
# shellcheck disable=SC2086
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing >/dev/null
