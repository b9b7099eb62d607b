#!/usr/bin/env bash
# The About box opens from its button (Alt+A) and from the system menu (Alt+Space, "About
# Velmora..."), and Enter closes it; a right click on the window's background opens the
# system menu too, whose Close ends the program.
source "$(dirname "$0")/gui_lib.sh"

start_velmora
main=$(wait_window '^Velmora$')
focus "$main"

keys alt+a
about=$(wait_window '^About Velmora$')
focus "$about"
keys Return
wait_gone "$about"

focus "$main"
keys alt+space
wait_popup >/dev/null
keys a  # the entry's access key
about=$(wait_window '^About Velmora$')
focus "$about"
keys Return
wait_gone "$about"

focus "$main"
xdotool mousemove --window "$main" 3 3 click 3
wait_popup >/dev/null
keys c  # Close
wait_exit
echo "about_test: passed"
