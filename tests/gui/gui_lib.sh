# Shared by the window tests, which run under with_xvfb.sh: start Velmora, find its windows,
# type into them, read a message box's text, and clean up. Sourced, not run.
#
# Every wait is a short poll bounded in time; a window that does not come fails the test.

set -euo pipefail

: "${VELMORA:?VELMORA must name the Velmora executable}"
readonly wait_seconds=10

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

for tool in xdotool xclip xwininfo; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/test installs it)"
done

velmora_pid=
work=$(mktemp -d)
cleanup_gui() {
  if [ -n "$velmora_pid" ] && kill -0 "$velmora_pid" 2>/dev/null; then
    kill "$velmora_pid" 2>/dev/null || true
    wait "$velmora_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup_gui EXIT

# start_velmora [FOLDER]: starts Velmora in FOLDER (the Open dialog's first folder).
start_velmora() {
  (cd "${1:-$work}" && exec "$VELMORA") &
  velmora_pid=$!
}

# visible_windows REGEX: the ids of the mapped windows whose name matches, one a line.
visible_windows() {
  xdotool search --onlyvisible --name "$1" 2>/dev/null || true
}

# wait_window REGEX [EXCEPT_ID...]: waits for a mapped window whose name matches and that is
# none of the given ones; prints its id.
wait_window() {
  local regex=$1 id
  shift
  local deadline=$((SECONDS + wait_seconds))
  while [ $SECONDS -lt $deadline ]; do
    for id in $(visible_windows "$regex"); do
      case " $* " in *" $id "*) ;; *) echo "$id"; return 0 ;; esac
    done
    kill -0 "$velmora_pid" 2>/dev/null || fail "Velmora ended while waiting for a window named $regex"
    sleep 0.05
  done
  fail "no window named $regex appeared"
}

# wait_gone ID: waits until the window is no longer mapped.
wait_gone() {
  local deadline=$((SECONDS + wait_seconds))
  while [ $SECONDS -lt $deadline ]; do
    xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable' || return 0
    sleep 0.05
  done
  fail "window $1 did not close"
}

# wait_popup: waits for a popup menu (an unnamed window of its own) and prints its id.
wait_popup() {
  local deadline=$((SECONDS + wait_seconds)) id
  while [ $SECONDS -lt $deadline ]; do
    for id in $(xdotool search --onlyvisible --maxdepth 1 --name '^$' 2>/dev/null); do
      [ "$(xwininfo -id "$id" | awk '/Override Redirect State/ {print $4}')" = yes ] && { echo "$id"; return 0; }
    done
    sleep 0.05
  done
  fail "no popup menu appeared"
}

# focus ID: gives the window the keyboard, as a click on it would.
focus() {
  xdotool windowfocus --sync "$1"
}

keys() {
  xdotool key --delay 30 "$@"
}

type_text() {
  xdotool type --delay 30 "$1"
}

# message_text ID: the text of a message box, as its Ctrl+C copies it.
message_text() {
  focus "$1"
  keys ctrl+c
  local deadline=$((SECONDS + wait_seconds)) text
  while [ $SECONDS -lt $deadline ]; do
    text=$(timeout 2 xclip -selection clipboard -o 2>/dev/null || true)
    [ -n "$text" ] && { printf '%s\n' "$text"; return 0; }
    sleep 0.05
  done
  fail "the message box copied nothing"
}

# wait_exit: waits for Velmora to end and checks that it ended well.
wait_exit() {
  local deadline=$((SECONDS + wait_seconds)) status=0
  while kill -0 "$velmora_pid" 2>/dev/null; do
    [ $SECONDS -lt $deadline ] || fail "Velmora did not end"
    sleep 0.05
  done
  wait "$velmora_pid" || status=$?
  velmora_pid=
  [ "$status" -eq 0 ] || fail "Velmora ended with status $status"
}
