#!/usr/bin/env bash
# Without a display Velmora writes one line saying so and ends with a failure, before any
# window: with DISPLAY unset, and with a display that cannot be reached.
set -euo pipefail
: "${VELMORA:?VELMORA must name the Velmora executable}"

check() {
  local what=$1 status=0
  shift
  local err
  err=$(mktemp)
  env "$@" "$VELMORA" >/dev/null 2>"$err" || status=$?
  local lines
  lines=$(wc -l <"$err")
  echo "$what: status $status, stderr: $(cat "$err")"
  rm -f "$err"
  [ "$status" -ne 0 ] || { echo "FAIL: $what: Velmora ended well" >&2; exit 1; }
  [ "$lines" -eq 1 ] || { echo "FAIL: $what: $lines lines on stderr, not one" >&2; exit 1; }
}

check "DISPLAY unset" -u DISPLAY
check "DISPLAY unreachable" DISPLAY=:4711
echo "no_display_test: passed"
