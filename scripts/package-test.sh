#!/usr/bin/env bash
# Builds the Debian package, installs it into this machine with apt-get, checks
# what it installed, starts the installed program from its menu entry under
# Xvfb, waits for its window with the program's caption and removes the package
# again. It changes the machine's installed packages, so it runs only as root;
# VORMAK_PACKAGE_TEST=0 skips it.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$(id -u)" -ne 0 ]; then
    echo "NOTICE: package test skipped: it installs the .deb into the system and needs root."
    exit 0
fi
if [ "${VORMAK_PACKAGE_TEST:-1}" = "0" ]; then
    echo "NOTICE: package test skipped: VORMAK_PACKAGE_TEST=0."
    exit 0
fi
if ! compgen -G "ui/*.cpp" >/dev/null; then
    echo "NOTICE: package test skipped: there is no window to package yet (ui/ has no sources)."
    exit 0
fi

readonly caption="ソルベック V1.0a （携帯電話ダイヤルメモリ←→パソコン住所録　相互データチェック）"
readonly app_id=org.vormak.Vormak
export LANG=C.UTF-8 LC_ALL=C.UTF-8 DEBIAN_FRONTEND=noninteractive

fail() {
    echo "package test FAILED: $*" >&2
    exit 1
}
step() { echo "== package test: $*"; }

# Several work trees share this machine: one package test at a time.
exec 9>/tmp/vormak-package-test.lock
flock -w 1200 9 || fail "another package test held the lock for 20 minutes"

step "build the package"
deb=$(timeout 2400 scripts/build-package.sh)
[ -f "$deb" ] || fail "no package was built"

step "check $deb"
depends=$(dpkg-deb -f "$deb" Depends)
for need in libqt6widgets6 qt6-translations-l10n fonts-ipafont-gothic; do
    grep -q "$need" <<<"$depends" || fail "Depends lacks $need: $depends"
done
contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/vormak ./usr/bin/vormak-check ./usr/share/man/man1/vormak-check.1.gz \
    ./usr/share/applications/$app_id.desktop \
    ./usr/share/icons/hicolor/scalable/apps/$app_id.svg ./usr/share/metainfo/$app_id.metainfo.xml \
    ./usr/share/doc/vormak/examples/keitai.csv ./usr/share/doc/vormak/examples/jyusyo.txt \
    ./usr/share/vormak/help/vormak-help.html; do
    grep -q " $path\$" <<<"$contents" || fail "the package lacks $path"
done

tmp=$(mktemp -d)
installed=""
cleanup() {
    if [ -n "$installed" ]; then
        step "remove the package"
        timeout 600 apt-get purge -y -qq -o DPkg::Lock::Timeout=300 vormak >/dev/null || true
        installed=""
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT

dpkg-query -W -f='${Status}' vormak 2>/dev/null | grep -q 'install ok installed' &&
    echo "NOTICE: vormak was installed already; the test replaces it and removes it at the end."

step "install it with apt-get"
installed=yes
timeout 900 apt-get install -y -qq -o DPkg::Lock::Timeout=300 "./$deb" >/dev/null
dpkg-query -W -f='${Status}' vormak | grep -q 'install ok installed' || fail "dpkg does not list vormak"

step "check the menu entry, the icon and the metainfo"
desktop=/usr/share/applications/$app_id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate refused $desktop"
appstreamcli validate --no-net /usr/share/metainfo/$app_id.metainfo.xml >/dev/null ||
    fail "appstreamcli refused the metainfo"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no icon file for Icon=$icon"
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
command -v "${exec_line%% *}" >/dev/null || fail "Exec=$exec_line is not on the PATH"

step "check the sample files with the installed vormak-check"
examples=/usr/share/doc/vormak/examples
rc=0
(cd "$tmp" && vormak-check --format2 tab "$examples/keitai.csv" "$examples/jyusyo.txt") \
    >"$tmp/findings.txt" 2>"$tmp/messages.txt" || rc=$?
[ "$rc" -eq 1 ] && [ "$(wc -l <"$tmp/findings.txt")" -eq 10 ] && [ ! -s "$tmp/messages.txt" ] ||
    fail "vormak-check on the samples: exit $rc, $(wc -l <"$tmp/findings.txt") findings, $(cat "$tmp/messages.txt")"

step "start it from the menu entry under Xvfb and wait for its window"
cat >"$tmp/start.sh" <<EOF
cd "$tmp"
QT_QPA_PLATFORM=xcb $exec_line >"$tmp/app.log" 2>&1 &
echo \$! >"$tmp/app.pid"
for i in \$(seq 1 60); do
    id=\$(xwininfo -root -tree 2>/dev/null | grep -F "\"$caption\"" | awk '{print \$1}' | head -n 1)
    if [ -n "\$id" ]; then
        xprop -id "\$id" _NET_WM_NAME >"$tmp/name.txt"
        kill \$(cat "$tmp/app.pid")
        exit 0
    fi
    kill -0 \$(cat "$tmp/app.pid") 2>/dev/null || exit 2
    sleep 1
done
kill \$(cat "$tmp/app.pid")
exit 3
EOF
rc=0
timeout 180 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$tmp/start.sh" || rc=$?
case $rc in
0) ;;
2) fail "the program ended before its window appeared: $(cat "$tmp/app.log")" ;;
3) fail "no window with the caption \"$caption\" within 60 seconds: $(cat "$tmp/app.log")" ;;
*) fail "Xvfb or the start failed (exit $rc): $(cat "$tmp/app.log" 2>/dev/null)" ;;
esac
expected="_NET_WM_NAME(UTF8_STRING) = \"$caption\""
[ "$(cat "$tmp/name.txt")" = "$expected" ] ||
    fail "window name is $(cat "$tmp/name.txt"), expected $expected"

trap - EXIT
cleanup
dpkg-query -W -f='${Status}' vormak 2>/dev/null | grep -q 'install ok installed' &&
    fail "vormak is still installed after the purge"
[ ! -e /usr/bin/vormak ] && [ ! -e /usr/bin/vormak-check ] && [ ! -e "$desktop" ] ||
    fail "files left behind after the purge"
echo "package test passed: built, installed, started with its window, removed"
