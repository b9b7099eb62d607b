#!/usr/bin/env bash
# Runs a command on a private Xvfb screen of 1024 × 768 and stops the server afterwards:
#   with_xvfb.sh COMMAND [ARGS...]
# The server picks a free display number itself. Fails, never skips, when Xvfb is missing.
set -euo pipefail

if ! command -v Xvfb >/dev/null; then
  echo "with_xvfb.sh: Xvfb is missing (Debian package xvfb; scripts/test installs it)" >&2
  exit 1
fi

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

mkfifo "$work/displayfd"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/displayfd" 2>"$work/xvfb.log" &
xvfb_pid=$!
display=
if ! read -r -t 20 display <"$work/displayfd" || [ -z "$display" ]; then
  echo "with_xvfb.sh: Xvfb did not start:" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi

export DISPLAY=":$display"
"$@"
