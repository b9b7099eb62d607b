// Numeric values that the framework and its windows share with application code: dialog
// results, message-box types, command ids and window styles. The values are the ones that
// stored dialog templates and the framework's own conventions use.
#pragma once

#include <cstdint>

// Dialog results and the standard command ids of buttons.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// Framework command ids.
inline constexpr unsigned ID_HELP = 57670;    // 0xE146: F1 in any window
inline constexpr unsigned SC_CLOSE = 0xF060;  // system command: the Close entry, Alt+F4

// Message-box types.
inline constexpr unsigned MB_OK = 0x00000000;
inline constexpr unsigned MB_ICONHAND = 0x00000010;
inline constexpr unsigned MB_ICONQUESTION = 0x00000020;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x00000030;
inline constexpr unsigned MB_ICONASTERISK = 0x00000040;
inline constexpr unsigned MB_ICONMASK = 0x000000F0;

// Menu entry flags.
inline constexpr unsigned MF_STRING = 0x0000;
inline constexpr unsigned MF_SEPARATOR = 0x0800;

// Window styles.
inline constexpr std::uint32_t WS_POPUP = 0x80000000;
inline constexpr std::uint32_t WS_CHILD = 0x40000000;
inline constexpr std::uint32_t WS_VISIBLE = 0x10000000;
inline constexpr std::uint32_t WS_CAPTION = 0x00C00000;
inline constexpr std::uint32_t WS_BORDER = 0x00800000;
inline constexpr std::uint32_t WS_SYSMENU = 0x00080000;
inline constexpr std::uint32_t WS_GROUP = 0x00020000;
inline constexpr std::uint32_t WS_TABSTOP = 0x00010000;
inline constexpr std::uint32_t WS_MINIMIZEBOX = 0x00020000;  // shares its bit with WS_GROUP
inline constexpr std::uint32_t WS_MAXIMIZEBOX = 0x00010000;  // shares its bit with WS_TABSTOP
inline constexpr std::uint32_t WS_EX_APPWINDOW = 0x00040000;

// Dialog styles.
inline constexpr std::uint32_t DS_ABSALIGN = 0x0001;
inline constexpr std::uint32_t DS_SETFONT = 0x0040;
inline constexpr std::uint32_t DS_MODALFRAME = 0x0080;
inline constexpr std::uint32_t DS_CENTER = 0x0800;
inline constexpr std::uint32_t DS_CENTERMOUSE = 0x1000;

// Static control styles.
inline constexpr std::uint32_t SS_LEFT = 0x0000;
inline constexpr std::uint32_t SS_CENTER = 0x0001;
inline constexpr std::uint32_t SS_ICON = 0x0003;
inline constexpr std::uint32_t SS_NOPREFIX = 0x0080;
inline constexpr std::uint32_t SS_SUNKEN = 0x1000;

// Button styles.
inline constexpr std::uint32_t BS_PUSHBUTTON = 0x0000;
inline constexpr std::uint32_t BS_DEFPUSHBUTTON = 0x0001;
inline constexpr std::uint32_t BS_CENTER = 0x0300;
inline constexpr std::uint32_t BS_VCENTER = 0x0C00;

// Edit control styles.
inline constexpr std::uint32_t ES_MULTILINE = 0x0004;
inline constexpr std::uint32_t ES_AUTOHSCROLL = 0x0080;
inline constexpr std::uint32_t ES_WANTRETURN = 0x1000;
inline constexpr std::uint32_t ES_NUMBER = 0x2000;
