#!/bin/sh
# The Debian package of a build: its file list and dependencies, and its
# programs run from where dpkg -x unpacked them, in a folder of their own.
# usage: check_deb.sh BUILD_DIR VERSION
set -eu
build=$1
version=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    exit 1
fi
deb="$out/rcalab_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "no package $deb"; ls "$out"; exit 1; }

failed=0
dpkg-deb -c "$deb" | awk '{print $6}' >"$out/files"
for f in usr/bin/rcalab usr/bin/rcalab-cli usr/share/applications/rcalab.desktop \
    usr/share/icons/hicolor/scalable/apps/rcalab.svg usr/share/man/man1/rcalab.1.gz \
    usr/share/man/man1/rcalab-cli.1.gz usr/share/doc/rcalab/guide.md \
    usr/share/doc/rcalab/guide/trial.png; do
    grep -qx "\./$f" "$out/files" || { echo "not in the package: /$f"; failed=1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6charts6 libc6; do
    echo "$depends" | grep -q "$lib" || { echo "Depends lacks $lib: $depends"; failed=1; }
done

dpkg -x "$deb" "$out/root"
mkdir "$out/elsewhere"
cd "$out/elsewhere"
for p in rcalab rcalab-cli; do
    got=$("$out/root/usr/bin/$p" --version)
    [ "$got" = "$p $version" ] || { echo "$p --version: '$got', expected '$p $version'"; failed=1; }
    gzip -dc "$out/root/usr/share/man/man1/$p.1.gz" | grep -q "$version" ||
        { echo "the manual page of $p lacks the version"; failed=1; }
done
"$out/root/usr/bin/rcalab-cli" batch --trials 5 --seed 1 --json | grep -q "\"version\":\"$version\"" ||
    { echo "the unpacked rcalab-cli's batch does not name its version"; failed=1; }
exit $failed
