#!/usr/bin/env bash
# CI: builds the Debian package, installs it with apt, and checks the installed
# programs with the build folder moved out of reach: a page rendered by
# /usr/bin/snapvale-cli, the window started from its menu entry, the menu entry and
# the metainfo validated, the file types and man pages known to the system. Then
# removes the package and checks it leaves nothing behind. Needs root.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
BUILD_DIR=${BUILD_DIR:-build}
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$BUILD_DIR" --parallel "$(nproc)"
rm -f "$BUILD_DIR"/snapvale_*.deb
(cd "$BUILD_DIR" && cpack -G DEB)
deb=$(ls "$BUILD_DIR"/snapvale_*.deb)
deb=$(cd "$(dirname "$deb")" && pwd)/$(basename "$deb")
echo "== $(basename "$deb"), $(du -k "$deb" | cut -f1) KiB"

fail() {
    echo "package check: $*" >&2
    exit 1
}
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = snapvale ] || fail "package name $(field Package)"
[ "$(field Section)" = graphics ] || fail "section $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no maintainer"
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6; do
    field Depends | grep -q "$lib" || fail "Depends does not name $lib: $(field Depends)"
done
# Nothing from the build machine's folders may be inside.
if dpkg-deb --contents "$deb" | awk '{print $6}' | grep -v '^\./usr/'; then
    fail "files outside /usr"
fi

work=$(mktemp -d)
moved=""
installed=""
cleanup() {
    [ -n "$installed" ] && $SUDO apt-get remove -y -qq --purge snapvale >/dev/null 2>&1 || true
    [ -n "$moved" ] && mv "$moved" "$BUILD_DIR"
    rm -rf "$work"
}
trap cleanup EXIT

$SUDO apt-get install -y -qq -o DPkg::Lock::Timeout=300 "$deb"
installed=1
# From here on nothing may come from the build folder.
moved="$BUILD_DIR.moved-$$"
mv "$BUILD_DIR" "$moved"
# A user of our own, so no settings or running copy of the machine's user count.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"

echo "== the installed command line"
/usr/bin/snapvale-cli --version
/usr/bin/snapvale-cli render --template "Three 4 x 6 Prints" --dpi 100 /usr/share/snapvale/Images \
    --out "$work/page-%d.png"
[ -s "$work/page-1.png" ] || fail "snapvale-cli wrote no page"
/usr/bin/snapvale-cli info "$work/page-1.png"

echo "== menu entry, metainfo, file types, icons, man pages, completion"
desktop-file-validate /usr/share/applications/snapvale.desktop
appstreamcli validate --no-net /usr/share/metainfo/com.tarnwick.snapvale.metainfo.xml
grep -q 'application/x-snapvale-album:\*\.pho' /usr/share/mime/globs2 || fail "the MIME database has no albums"
grep -q 'application/x-snapvale-project:\*\.svp' /usr/share/mime/globs2 || fail "the MIME database has no projects"
grep -q '^application/x-snapvale-project=.*snapvale\.desktop' /usr/share/applications/mimeinfo.cache ||
    fail "the desktop database does not open projects with Snapvale"
[ -f /usr/share/icons/hicolor/256x256/apps/snapvale.png ] || fail "no icon"
man -w snapvale >/dev/null && man -w snapvale-cli >/dev/null || fail "man cannot find the pages"
[ -f /usr/share/bash-completion/completions/snapvale-cli ] || fail "no bash completion"

echo "== the window, started as the menu entry starts it"
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/snapvale.desktop)
command=${exec_line%% *}
command=$(command -v "$command") || fail "the menu entry's program $exec_line is not on PATH"
[ "$command" = /usr/bin/snapvale ] || fail "the menu entry starts $command"
# Still running after a few seconds (timeout's 124) means it came up and stayed.
status=0
xvfb-run -a timeout 8 "$command" >"$work/gui.log" 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
    cat "$work/gui.log" >&2
    fail "the window ended with status $status"
fi

echo "== removal"
$SUDO apt-get remove -y -qq -o DPkg::Lock::Timeout=300 --purge snapvale
installed=""
for path in /usr/bin/snapvale /usr/bin/snapvale-cli /usr/share/snapvale /usr/share/applications/snapvale.desktop \
    /usr/share/mime/packages/snapvale.xml; do
    [ ! -e "$path" ] || fail "$path is left after removal"
done
if grep -q 'x-snapvale' /usr/share/mime/globs2; then fail "the MIME database still has our types"; fi
echo "package check passed: $(basename "$deb")"
