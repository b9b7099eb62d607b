// The texts that the desktop itself shows a person, in the program's character set.
#pragma once

namespace fltk_desktop {

// The system menu's own entry, before what the program appends.
inline constexpr const char kCloseEntry[] = "&Close";

// The one button of a message box.
inline constexpr const char kOkButton[] = "OK";

// The Open dialog's title and the label of its button that accepts the file.
inline constexpr const char kOpenTitle[] = "Open";
inline constexpr const char kOpenButton[] = "Open";

// What F1 shows: this system has no viewer for the program's help files.
inline constexpr const char kNoHelpViewerBefore[] = "No help viewer for ";
inline constexpr const char kNoHelpViewerAfter[] = " on this system.";

// The one line on the standard error when there is no screen to show the windows on; the
// program's title goes before it.
inline constexpr const char kNoDisplaySet[] = ": no display to show the window on (DISPLAY is not set).";
inline constexpr const char kDisplayUnreachable[] = ": cannot open the display ";

// The lines around the texts of a message box that Ctrl+C copies.
inline constexpr const char kCopyRule[] = "---------------------------";

}  // namespace fltk_desktop
