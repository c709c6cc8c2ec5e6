#!/usr/bin/env bash
# script/cups-test-server runs a scheduler of its own and leaves the
# system's CUPS as it found it: its configuration files, its printers and
# default printer, and anything a stop is not sure it created.
# Exits 77 (skipped) where the server cannot run.
set -euo pipefail
# Its own servers keep no logs where the caller's go.
unset HABERES_CUPS_LOGS
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

# A killed script's cups-pdf file, its folder gone, is removed by the next
# start; a file of a folder that exists, or not written by start, stays.
gone=/tmp/haberes-cups.$(mktemp -u XXXXXX)
left=/etc/cups/cups-pdf-haberes-${gone##*.}.conf
alive_folder=$(mktemp -d /tmp/haberes-cups.XXXXXX)
kept=/etc/cups/cups-pdf-haberes-${alive_folder##*.}.conf
foreign=/etc/cups/cups-pdf-haberes-$(mktemp -u XXXXXX).conf
# Removed however this ends.
trap 'rm -f "$left" "$kept" "$foreign"; rmdir "$alive_folder" 2>/dev/null || true' EXIT
printf '# haberes-cups-test-server %s\nOut %s/pdf\n' "$gone" "$gone" >"$left"
printf '# haberes-cups-test-server %s\n' "$alive_folder" >"$kept"
printf 'Out /somewhere\n' >"$foreign"
started=$(env -u CUPS_SERVER "$server" start 2>/dev/null)
(eval "$started"; "$server" stop)
[ ! -e "$left" ] || fail "start left $left of a folder that is gone"
[ -e "$kept" ] || fail "start removed $kept, whose folder exists"
[ -e "$foreign" ] || fail "start removed $foreign, which it did not write"

# run stops the server and ends the command however the command ends:
# by itself, failing, or by a signal to run.
marks=$(mktemp -d)
"$server" run bash -c "echo \$HABERES_CUPS_TEST_DIR >$marks/folder; exit 3" && status=0 || status=$?
[ "$status" -eq 3 ] || fail "run exited $status, its command 3"
folder=$(cat "$marks/folder")
[ -n "$folder" ] && [ ! -e "$folder" ] || fail "run left ${folder:-no folder} behind"
"$server" run bash -c "echo \$HABERES_CUPS_TEST_DIR >$marks/folder; echo \$\$ >$marks/pid; exec sleep 60" &
runner=$!
tries=0
until [ -s "$marks/pid" ] || [ "$tries" -ge 300 ]; do tries=$((tries + 1)); sleep 0.1; done
folder=$(cat "$marks/folder")
conf=/etc/cups/cups-pdf-haberes-${folder##*.}.conf
command=$(cat "$marks/pid")
[ -e "$conf" ] || fail "no $conf while run runs"
kill -TERM "$runner"
wait "$runner" && status=0 || status=$?
[ "$status" -eq 143 ] || fail "run ended by SIGTERM exited $status"
! alive "$command" || fail "run's command $command still runs after SIGTERM"
[ ! -e "$folder" ] || fail "$folder left behind after SIGTERM"
[ ! -e "$conf" ] || fail "$conf left behind after SIGTERM"
rm -rf "$marks"

[ "$failures" -eq 0 ]
