// The desktop's message box: the icon of its type, the text, one OK button; modal over its
// owner. Enter, Escape and the close box dismiss it; Ctrl+C copies its caption and text.
#pragma once

#include "platform/cstring.h"
#include "platform/fltk/dialog_font.h"

#include <FL/Fl_Window.H>

namespace fltk_desktop {

// Returns when the person has dismissed the box.
void RunMessageBox(Fl_Window* owner, const CString& text, const CString& caption, unsigned type,
                   const DialogFont& font);

}  // namespace fltk_desktop
