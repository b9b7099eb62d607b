#!/usr/bin/env bash
# A whole conversion in the real window: Enter opens the Open dialog, the typed name of a
# bitmap leads to its image information dialog, the person's input there (a line break in the
# info box, letters refused by the x box) reaches the database, which is byte for byte the one
# the scripted desktop writes from the same input; the success message says so, Enter
# dismisses it, and Escape ends the program.
source "$(dirname "$0")/gui_lib.sh"
: "${GUI_FIXTURE:?GUI_FIXTURE must name the gui_fixture helper}"

"$GUI_FIXTURE" bitmap 4 "$work/face.bmp"
mkdir "$work/expected"
cp "$work/face.bmp" "$work/expected/face.bmp"
"$GUI_FIXTURE" convert "$work/expected/face.bmp" $'Line one\r\nLine two' 12 40

start_velmora "$work"
main=$(wait_window '^Velmora$')
focus "$main"
keys Return  # the default button, Convert Bitmap

# The Open dialog starts in Velmora's folder with its name box selected: the bitmap's name
# there is its path.
open=$(wait_window '^Open$')
focus "$open"
type_text "face.bmp"
keys Return

info=$(wait_window '^Properties of face$')
focus "$info"
# The info box has the focus with its text selected: typing replaces it, Enter breaks the line.
type_text "Line one"
keys Return
type_text "Line two"
keys Tab  # to the x box, its text selected
type_text "a1b2"
keys Return  # from a one-line box: the default button, OK
wait_gone "$info"

box=$(wait_window '^Velmora$' "$main")
text=$(message_text "$box")
grep -qF "$work/TSVO16_face.pdb created!" <<<"$text" || fail "unexpected message: $text"
keys Return
wait_gone "$box"

cmp "$work/TSVO16_face.pdb" "$work/expected/TSVO16_face.pdb" ||
  fail "the window's database differs from the scripted desktop's"

focus "$main"
keys Escape
wait_exit
echo "convert_test: passed"
