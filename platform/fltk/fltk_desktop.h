// The real desktop on Linux: windows on the X11 display, drawn with FLTK. This header names
// nothing of the toolkit, so that the program's main can make the desktop without it.
#pragma once

#include "platform/desktop.h"

#include <memory>

// Opens the display and makes the desktop on it. Without a display (DISPLAY unset or
// unreachable) it writes one line saying so to the standard error and returns nullptr.
std::unique_ptr<Desktop> MakeFltkDesktop();
