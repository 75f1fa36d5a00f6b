#!/bin/sh
# The Debian package of a build: its file list and dependencies, its
# changelog and links of its docs, lintian's errors where lintian is
# installed, and its programs run from where dpkg -x unpacked them, in a
# folder of their own.
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
    usr/share/man/man1/rcalab-cli.1.gz usr/share/doc/rcalab/README.md \
    usr/share/doc/rcalab/docs/guide.md usr/share/doc/rcalab/docs/guide/trial.png \
    usr/share/doc/rcalab/copyright usr/share/doc/rcalab/changelog.gz; do
    grep -qx "\./$f" "$out/files" || { echo "not in the package: /$f"; failed=1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6charts6 libc6; do
    echo "$depends" | grep -q "$lib" || { echo "Depends lacks $lib: $depends"; failed=1; }
done

dpkg -x "$deb" "$out/root"
doc="$out/root/usr/share/doc/rcalab"
top=$(gzip -dc "$doc/changelog.gz" | head -n 1)
case "$top" in
"rcalab ($version) "*) ;;
*) echo "the changelog's last entry is not $version: $top"; failed=1 ;;
esac
# Every relative link of the installed docs names an installed file.
find "$doc" -name '*.md' | while read -r md; do
    grep -o '](\([^)]*\))' "$md" | sed 's/^](//; s/)$//; s/#.*//' | while read -r link; do
        case "$link" in "" | http://* | https://* | mailto:*) continue ;; esac
        [ -e "$(dirname "$md")/$link" ] || echo "${md#"$doc"/}: $link"
    done
done >"$out/broken"
[ ! -s "$out/broken" ] || { echo "links to files not installed:"; cat "$out/broken"; failed=1; }
if command -v lintian >/dev/null; then
    lintian --fail-on error "$deb" || failed=1
fi
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
