#!/usr/bin/env bash
# F1 reaches the help: this system has no viewer for the help file, and the message box
# names the file beside the executable. Escape dismisses it; Alt+F4 ends the program.
source "$(dirname "$0")/gui_lib.sh"

start_velmora
main=$(wait_window '^Velmora$')
focus "$main"
keys F1

box=$(wait_window '^Velmora$' "$main")
text=$(message_text "$box")
help_file="$(dirname "$(readlink -f "$VELMORA")")/Velmora.HLP"
grep -qF "No help viewer for $help_file on this system." <<<"$text" || fail "unexpected message: $text"
keys Escape
wait_gone "$box"

focus "$main"
keys alt+F4
wait_exit
echo "help_test: passed"
