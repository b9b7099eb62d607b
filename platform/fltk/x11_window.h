// What the desktop asks of X11 and its window manager: the display, where a window opens,
// which window it belongs to, and which frame buttons it has.
#pragma once

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <cstdint>
#include <string>

namespace fltk_desktop {

// Opens the display for the toolkit; false with the reason when there is none.
bool OpenDisplay(std::string& problem);

// Shows a window centred over its owner (or, without one or while the owner is hidden or
// minimised, on the work area), moved inside the work area where it would stick out. A window
// with an owner is modal and transient for it. With frameStyle (window styles), the frame
// offers what the style names: a close box for WS_SYSMENU, no minimise or maximise box
// without WS_MINIMIZEBOX or WS_MAXIMIZEBOX.
void ShowOwned(Fl_Window& window, Fl_Window* owner, std::uint32_t frameStyle);

// Runs the toolkit until done() says so.
template <class Done>
void RunUntil(Done done) {
  while (!done()) Fl::wait();
}

}  // namespace fltk_desktop
