#!/usr/bin/env bash
# Installs the built Debian package on this machine as a user would
# (apt-get install ./velmarok_*.deb), checks what it installed and that the program starts,
# then removes it again. Usage: packaging/test-install.sh BUILD_DIR
set -euo pipefail
build=${1:-build-package}
deb=$(ls "$build"/velmarok_*.deb | head -n 1)
sudo=""; [ "$(id -u)" = 0 ] || sudo=sudo
work=$(mktemp -d)
cleanup() {
    $sudo apt-get remove -y -qq velmarok >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "test-install: $*" >&2; exit 1; }

echo "Installing $deb"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$(realpath "$deb")" >/dev/null

[ -x /usr/bin/velmarok ] || fail "/usr/bin/velmarok is missing"
[ -f /usr/share/applications/velmarok.desktop ] || fail "the desktop entry is missing"
[ -f /usr/share/icons/hicolor/scalable/apps/velmarok.svg ] || fail "the icon is missing"
grep -q '^Categories=Office;' /usr/share/applications/velmarok.desktop || fail "not in Office"
grep -q '^Comment=Bejövő és kimenő levelek iktatása' /usr/share/applications/velmarok.desktop \
    || fail "the desktop entry has no Hungarian comment"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate /usr/share/applications/velmarok.desktop
fi

version=$(dpkg-query -W -f='${Version}' velmarok)
[ "$(/usr/bin/velmarok --version)" = "velmarok $version" ] || fail "--version does not say $version"

# The installed program opens its window on an empty register and keeps running.
status=0
HOME="$work/home" QT_QPA_PLATFORM=offscreen timeout 5 /usr/bin/velmarok "$work" \
    >"$work/out.log" 2>&1 || status=$?
[ "$status" = 124 ] || { cat "$work/out.log"; fail "velmarok ended with status $status"; }
[ -f "$work/Setup.dat" ] && [ -f "$work/Csoportok.dat" ] || fail "no register was created"

# Without a folder it uses the user's data folder.
status=0
HOME="$work/home" XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=offscreen timeout 5 /usr/bin/velmarok \
    >"$work/out2.log" 2>&1 || status=$?
[ "$status" = 124 ] || { cat "$work/out2.log"; fail "velmarok without a folder ended with status $status"; }
[ -f "$work/data/velmarok/Setup.dat" ] || fail "no register in the user's data folder"

echo "test-install: the package installs, starts and is removed cleanly"
