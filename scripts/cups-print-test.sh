#!/usr/bin/env bash
# End-to-end print on a real CUPS queue: starts a private CUPS scheduler with
# one PDF printer (cups-pdf) as its default, runs the GUI test that prints a
# result list on "the system's default printer", and lets that test check the
# PDF that arrives; then lets the printer refuse jobs and checks that the
# print fails. Needs root (the scheduler and the cups-pdf backend run as
# root); otherwise the test is skipped with a notice (exit code 77).
#
# Usage: scripts/cups-print-test.sh GUI_TEST_BINARY
set -euo pipefail

tests_binary=$1
skip() { echo "cups print test skipped: $*"; exit 77; }

[ "$(id -u)" -eq 0 ] || skip "needs root to start a CUPS scheduler"
command -v cupsd >/dev/null || skip "cupsd is not installed (scripts/install-deps.sh --test)"
[ -x /usr/lib/cups/backend/cups-pdf ] || skip "printer-driver-cups-pdf is not installed"
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -f "$ppd" ] || skip "the cups-pdf printer description is missing"

work=$(mktemp -d /tmp/vormak-cups-XXXXXX)
chmod 755 "$work"
instance="vormak$$"
pdf_conf="/etc/cups/cups-pdf-$instance.conf"
cupsd_pid=""
cleanup() {
    if [ -n "$cupsd_pid" ]; then
        kill "$cupsd_pid" 2>/dev/null || true
        wait "$cupsd_pid" 2>/dev/null || true
    fi
    rm -f "$pdf_conf"
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/etc/ppd" "$work/spool/tmp" "$work/cache" "$work/state" "$work/log" "$work/out"
chmod 1777 "$work/out"
chown root:lp "$work/spool" "$work/spool/tmp" "$work/cache" "$work/state" 2>/dev/null || true
chmod 0710 "$work/spool"
chmod 1770 "$work/spool/tmp"
socket="$work/cups.sock"

cat >"$work/cupsd.conf" <<CONF
Listen $socket
LogLevel warn
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
CONF
cat >"$work/cups-files.conf" <<CONF
ServerRoot $work/etc
RequestRoot $work/spool
TempDir $work/spool/tmp
CacheDir $work/cache
StateDir $work/state
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
FileDevice No
CONF
# cups-pdf reads the settings of its instance from a file named after it.
cat >"$pdf_conf" <<CONF
Out $work/out
AnonDirName $work/out
Label 0
CONF

cupsd -f -c "$work/cupsd.conf" -s "$work/cups-files.conf" &
cupsd_pid=$!
for _ in $(seq 1 100); do
    [ -S "$socket" ] && break
    sleep 0.1
done
[ -S "$socket" ] || { cat "$work/log/error_log" 2>/dev/null; echo "cupsd did not start"; exit 1; }

export CUPS_SERVER=$socket
lpadmin -p vormak-pdf -E -v "cups-pdf:/$instance" -P "$ppd" -o media=A4
lpadmin -d vormak-pdf

status=0
VORMAK_CUPS_OUTPUT="$work/out" timeout 180 "$tests_binary" --gtest_filter='PrintOnCups.*' ||
    status=$?
# The same printer refusing jobs: the print must be reported as failed.
cupsreject vormak-pdf
VORMAK_CUPS_REFUSING=1 timeout 180 "$tests_binary" --gtest_filter='PrintOnRefusingCups.*' ||
    status=$?
if [ "$status" -ne 0 ]; then
    echo "--- cupsd error log"
    cat "$work/log/error_log" 2>/dev/null || true
fi
exit "$status"
