// The font of the dialogs and the dialog units measured in it. A dialog unit is a quarter of
// the font's average character width across and an eighth of its height down, so a template
// keeps its proportions whatever font the system has.
#pragma once

#include <FL/Enumerations.H>

namespace fltk_desktop {

struct DialogFont {
  Fl_Font face;
  Fl_Fontsize size;
  double baseWidth;  // average width of "A".."Z" and "a".."z", pixels
  int baseHeight;    // the font's height, pixels

  int X(int units) const;  // horizontal dialog units to pixels
  int Y(int units) const;  // vertical dialog units to pixels
  int TabStep() const;     // a static text's columns: every 8 average characters
};

// Chooses the font once: the template's face when it is installed, else the toolkit's
// Helvetica, at the template's point size for this screen. Needs the open display.
const DialogFont& TheDialogFont(const char* templateFace, int pointSize);

}  // namespace fltk_desktop
