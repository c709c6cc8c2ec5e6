#!/usr/bin/env bash
# script/cups-test-server runs a scheduler of its own and leaves the
# system's CUPS as it found it: its configuration files, its printers and
# default printer, and anything a stop is not sure it created.
# Exits 77 (skipped) where the server cannot run.
set -euo pipefail
server=$1
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
# Running, not merely waiting to be reaped by whoever inherited it.
alive() { [ -e "/proc/$1" ] && [ "$(ps -o stat= -p "$1" | cut -c1)" != Z ]; }

# What the system's CUPS looks like from outside: the files under
# /etc/cups (other test servers' own cups-pdf files come and go), the
# printcap, and what the system's scheduler says.
system_cups() {
  (
    unset CUPS_SERVER
    find /etc/cups -name 'cups-pdf-haberes-*.conf' -prune -o -type f -print0 2>/dev/null |
      sort -z | xargs -0 -r sha256sum
    cat /run/cups/printcap 2>/dev/null || true
    lpstat -t 2>&1 || true
    lpstat -d 2>&1 || true
    lpstat -a 2>&1 || true
  )
}

before=$(system_cups)
started=$(env -u CUPS_SERVER "$server" start)
if [ -z "$started" ]; then
  echo "SKIPPED: the CUPS test server cannot run here" >&2
  exit 77
fi
eval "$started"
folder=$HABERES_CUPS_TEST_DIR
pid=$(cat "$folder/cupsd.pid")
conf=$(cat "$folder/cups-pdf-conf")

[ -S "$CUPS_SERVER" ] || fail "no socket at $CUPS_SERVER"
[ "$(lpstat -d)" = "system default destination: PDF" ] || fail "private default: $(lpstat -d)"
lpstat -v PDF | grep -q "cups-pdf:/haberes-" || fail "queue: $(lpstat -v PDF)"
alive "$pid" || fail "cupsd $pid is not running"
grep -q "^Out $folder/pdf\$" "$conf" || fail "cups-pdf writes elsewhere: $(cat "$conf")"
[ "$(system_cups)" = "$before" ] || fail "the system's CUPS changed while the server ran"

"$server" stop "$folder"
! alive "$pid" || fail "cupsd $pid still runs after stop"
[ ! -e "$folder" ] || fail "$folder left behind"
[ ! -e "$conf" ] || fail "$conf left behind"
after=$(system_cups)
if [ "$after" != "$before" ]; then
  fail "the system's CUPS changed:"
  diff <(echo "$before") <(echo "$after") >&2 || true
fi

# stop ends only what start started, and removes only the file it wrote.
fake=$(mktemp -d /tmp/haberes-cups.XXXXXX)
touch "$fake/haberes-cups-test-server"
sleep 60 &
other=$!
echo "$other" >"$fake/cupsd.pid"
keep=$(mktemp)
echo "Out /somewhere" >"$keep"
echo "$keep" >"$fake/cups-pdf-conf"
"$server" stop "$fake"
alive "$other" || fail "stop ended a process it did not start"
[ -e "$keep" ] || fail "stop removed a file it did not write"
kill "$other"
rm -f "$keep"

# Nothing to stop: nothing happens.
"$server" stop /nonexistent || fail "stop of nothing failed"

[ "$failures" -eq 0 ]
