#include "platform/fltk/x11_window.h"

#include "platform/constants.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <cstdlib>

namespace fltk_desktop {

namespace {

// The Motif window manager hints, which most window managers read for the frame's buttons.
constexpr long kMwmHintsFunctions = 1L << 0;
constexpr long kMwmHintsDecorations = 1L << 1;
constexpr long kMwmFuncMove = 1L << 2;
constexpr long kMwmFuncMinimize = 1L << 3;
constexpr long kMwmFuncMaximize = 1L << 4;
constexpr long kMwmFuncClose = 1L << 5;
constexpr long kMwmDecorBorder = 1L << 1;
constexpr long kMwmDecorTitle = 1L << 3;
constexpr long kMwmDecorMenu = 1L << 4;
constexpr long kMwmDecorMinimize = 1L << 5;
constexpr long kMwmDecorMaximize = 1L << 6;

void SetFrameHints(Fl_Window& window, std::uint32_t style) {
  long hints[5] = {kMwmHintsFunctions | kMwmHintsDecorations, kMwmFuncMove, kMwmDecorBorder, 0, 0};
  if (style & WS_CAPTION) hints[2] |= kMwmDecorTitle;
  if (style & WS_SYSMENU) hints[1] |= kMwmFuncClose, hints[2] |= kMwmDecorMenu;
  if (style & WS_MINIMIZEBOX) hints[1] |= kMwmFuncMinimize, hints[2] |= kMwmDecorMinimize;
  if (style & WS_MAXIMIZEBOX) hints[1] |= kMwmFuncMaximize, hints[2] |= kMwmDecorMaximize;
  const Atom atom = XInternAtom(fl_display, "_MOTIF_WM_HINTS", False);
  XChangeProperty(fl_display, fl_xid(&window), atom, atom, 32, PropModeReplace, reinterpret_cast<unsigned char*>(hints),
                  5);
}

// Where the window opens: centred over the owner or the work area, inside the work area.
void Place(Fl_Window& window, Fl_Window* owner) {
  int x, y, w, h;
  int left, top;
  if (owner && owner->shown() && owner->visible()) {
    Fl::screen_work_area(x, y, w, h, owner->x() + owner->w() / 2, owner->y() + owner->h() / 2);
    left = owner->x() + (owner->w() - window.w()) / 2;
    top = owner->y() + (owner->h() - window.h()) / 2;
  } else {
    Fl::screen_work_area(x, y, w, h);
    left = x + (w - window.w()) / 2;
    top = y + (h - window.h()) / 2;
  }
  left = std::max(x, std::min(left, x + w - window.w()));
  top = std::max(y, std::min(top, y + h - window.h()));
  window.position(left, top);
}

}  // namespace

bool OpenDisplay(std::string& problem) {
  const char* name = std::getenv("DISPLAY");
  if (!name || !*name) {
    problem.clear();
    return false;
  }
  Display* display = XOpenDisplay(name);
  if (!display) {
    problem = name;
    return false;
  }
  fl_open_display(display);
  return true;
}

// An owned window is a dialog to the window manager: no task-bar entry, no minimise box.
void SetDialogType(Fl_Window& window) {
  const Atom type = XInternAtom(fl_display, "_NET_WM_WINDOW_TYPE", False);
  Atom dialog = XInternAtom(fl_display, "_NET_WM_WINDOW_TYPE_DIALOG", False);
  XChangeProperty(fl_display, fl_xid(&window), type, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(&dialog), 1);
}

void ShowOwned(Fl_Window& window, Fl_Window* owner, std::uint32_t frameStyle) {
  if (owner) window.set_modal();
  Place(window, owner);
  // The toolkit maps the window as it makes it, so the properties below follow the map
  // request at once; window managers read them as they take the window on or as they change.
  window.show();
  if (owner) {
    SetDialogType(window);
    if (owner->shown()) XSetTransientForHint(fl_display, fl_xid(&window), fl_xid(owner));
  }
  if (frameStyle) SetFrameHints(window, frameStyle);
}

}  // namespace fltk_desktop
