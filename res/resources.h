// The program's resources: dialog templates, strings, icons and the version block.
#pragma once

#include "platform/resources.h"

namespace res {

inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDD_CONVERTER = 102;
inline constexpr int IDR_MAINFRAME = 128;
inline constexpr int IDD_IMAGE_INFO = 129;

// Controls of the main window.
inline constexpr int IDC_CONVERT_BITMAP = 1000;
inline constexpr int IDC_ABOUT = 3;

// Controls of the image information dialog.
inline constexpr int IDC_INFO = 1002;
inline constexpr int IDC_X = 1006;
inline constexpr int IDC_Y = 1007;

// The About box's lines, shared with the version block.
inline constexpr const char kVersionLine[] = "Velmora, Version 1.0";
inline constexpr const char kRightsLine[] = "Copyright \xA9 2026 the Velmora developers";

const ResourceTable& Table();

}  // namespace res
