#include "res/resources.h"

#include "platform/constants.h"

#include <array>
#include <cstdint>

namespace res {
namespace {

// clang-format off: the tables keep one control per line, as a dialog editor would show them.

constexpr std::uint32_t kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
constexpr const char kFont[] = "MS Sans Serif";

// About box.
constexpr ControlTemplate kAboutControls[] = {
    {-1, ControlClass::staticText, "#128", {7, 13, 20, 20}, SS_ICON},
    {-1, ControlClass::staticText, kVersionLine, {53, 10, 109, 8}, SS_CENTER | SS_NOPREFIX | WS_GROUP},
    {-1, ControlClass::staticText, kRightsLine, {46, 25, 125, 8}, SS_CENTER | WS_GROUP},
    {IDOK, ControlClass::button, "OK", {92, 45, 32, 14}, BS_DEFPUSHBUTTON | BS_CENTER | WS_GROUP | WS_TABSTOP},
};

// Main window. Static texts break lines with a lone CR and set columns with a tab.
constexpr const char kFormatText[] =
    "Converts images of the following format:\r"
    "\r"
    "\tType:\tWindows Bitmap - RGB encoded (uncompressed)\r"
    "\tWidth:\t160\r"
    "\tHeight:\t160\r"
    "\tColors:\t16 (4 bit) or 256 (8 bit)\r"
    "\r"
    "into Palm database format (.pdb)";
constexpr const char kNote4[] =
    "Bitmaps with 4 bit color depth should be based on a palette with the greyscales:\r"
    "#000000, #111111, #222222, ..., #FFFFFF";
constexpr const char kNote8[] =
    "Bitmaps with 8 bit color depth can only use colors from palette index 0 to palette index 239.\r"
    "Please decrease the color depth to 240.";

constexpr ControlTemplate kConverterControls[] = {
    {IDC_CONVERT_BITMAP,
     ControlClass::button,
     "&Convert Bitmap",
     {119, 154, 74, 14},
     BS_DEFPUSHBUTTON | BS_CENTER | BS_VCENTER | WS_TABSTOP},
    {IDCANCEL, ControlClass::button, "E&xit", {256, 170, 50, 14}, WS_TABSTOP},
    {-1, ControlClass::staticText, kFormatText, {7, 7, 299, 68}, SS_LEFT | SS_SUNKEN | WS_GROUP},
    {IDC_ABOUT, ControlClass::button, "&About", {7, 170, 50, 14}, WS_TABSTOP},
    {-1, ControlClass::staticText, "Please note:", {7, 87, 299, 50}, SS_LEFT | SS_SUNKEN | WS_GROUP},
    {-1, ControlClass::staticText, kNote8, {13, 116, 286, 16}, SS_LEFT | WS_GROUP},
    {-1, ControlClass::staticText, kNote4, {13, 99, 254, 17}, SS_LEFT | WS_GROUP},
};

// Image information dialog.
constexpr ControlTemplate kImageInfoControls[] = {
    {1004, ControlClass::staticText, "&Image Info:", {7, 7, 36, 8}, SS_LEFT},
    {IDC_INFO,
     ControlClass::edit,
     "",
     {69, 7, 90, 62},
     WS_BORDER | WS_TABSTOP | ES_MULTILINE | ES_AUTOHSCROLL | ES_WANTRETURN},
    {1005, ControlClass::staticText, "Origin of Clock\rin Tessivo", {7, 83, 65, 23}, SS_LEFT | WS_GROUP},
    {1008, ControlClass::staticText, "&x:", {96, 83, 9, 10}, SS_LEFT | WS_GROUP},
    {IDC_X, ControlClass::edit, "", {107, 82, 14, 12}, WS_BORDER | WS_TABSTOP | ES_NUMBER},
    {1010, ControlClass::staticText, "&y:", {96, 97, 8, 8}, SS_LEFT},
    {IDC_Y, ControlClass::edit, "", {107, 96, 14, 12}, WS_BORDER | WS_TABSTOP | ES_NUMBER},
    {IDOK, ControlClass::button, "&OK", {90, 125, 50, 14}, WS_TABSTOP | BS_DEFPUSHBUTTON},
    {1012, ControlClass::staticText, "You have to insert line breaks with ENTER", {163, 7, 60, 47}, SS_LEFT | WS_GROUP},
    {-1, ControlClass::staticText, "shown in Tessivo with menu item Image Info", {7, 23, 52, 46}, SS_LEFT | WS_GROUP},
    {IDCANCEL, ControlClass::button, "&Cancel", {173, 125, 50, 14}, WS_TABSTOP | BS_PUSHBUTTON},
};

constexpr DialogTemplate kDialogs[] = {
    {IDD_ABOUTBOX, false, "About Velmora", kDialogStyle, 0, {0, 0, 217, 66}, kFont, 8, kAboutControls},
    {IDD_CONVERTER,
     true,
     "Velmora",
     kDialogStyle | WS_VISIBLE,
     WS_EX_APPWINDOW,
     {0, 0, 313, 191},
     kFont,
     8,
     kConverterControls},
    {IDD_IMAGE_INFO, false, "Dialog", kDialogStyle, 0, {0, 0, 230, 146}, kFont, 8, kImageInfoControls},
};

// clang-format on

constexpr StringResource kStrings[] = {
    {IDS_ABOUTBOX, "&About Velmora..."},
};

// Icon 128: a clock face, dark blue rim, grey ticks, black minute hand, red hour hand.
constexpr std::array<std::uint32_t, 16> kPalette = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
    0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

constexpr const char kIcon32[] =
    "00000000000000000000000000000000"
    "00000000000111111111100000000000"
    "00000000111111111111111100000000"
    "0000000111111ff88ff1111110000000"
    "00000011118ffff00ffff81111000000"
    "00000111188ffff00ffff88111100000"
    "0000111ff888fff00fff888ff1110000"
    "000111ffff8ffff00ffff8ffff111000"
    "001111fffffffff00fffffffff111100"
    "0011188ffffffff00ffffffff8811100"
    "00118888fffffff00fffffff88881100"
    "0111ff8ffffffff00ffffffff8ff1110"
    "0111fffff444fff00fffffffffff1110"
    "011ffffff44444f00ffffffffffff110"
    "011ffffffff444444ffffffffffff110"
    "011888fffffff44444ffffffff888110"
    "011888ffffffff4444ffffffff888110"
    "011ffffffffffff44ffffffffffff110"
    "011ffffffffffffffffffffffffff110"
    "0111ffffffffffffffffffffffff1110"
    "0111ff8ffffffffffffffffff8ff1110"
    "00118888ffffffffffffffff88881100"
    "0011188ffffffffffffffffff8811100"
    "001111ffffffffffffffffffff111100"
    "000111ffff8ffffffffff8ffff111000"
    "0000111ff888ffffffff888ff1110000"
    "00000111188ffff88ffff88111100000"
    "00000011118ffff88ffff81111000000"
    "0000000111111ff88ff1111110000000"
    "00000000111111111111111100000000"
    "00000000000111111111100000000000"
    "00000000000000000000000000000000";

constexpr const char kIcon16[] =
    "0000000000000000"
    "0000111111110000"
    "000111f00f111000"
    "0011f8f00f8f1100"
    "011ffff00ffff110"
    "0118fff00fff8110"
    "01fff4400fffff10"
    "01ffff444fffff10"
    "01fffff44fffff10"
    "01ffffffffffff10"
    "0118ffffffff8110"
    "011ffffffffff110"
    "0011f8ffff8f1100"
    "000111ffff111000"
    "0000111111110000"
    "0000000000000000";

static_assert(sizeof kIcon32 == 32 * 32 + 1 && sizeof kIcon16 == 16 * 16 + 1);

constexpr IconImage kIconImages[] = {
    {32, 32, kPalette, kIcon32},
    {16, 16, kPalette, kIcon16},
};

constexpr IconGroup kIcons[] = {
    {IDR_MAINFRAME, kIconImages},
};

constexpr VersionBlock kVersion = {
    {1, 0, 0, 1}, {1, 0, 0, 1}, "1, 0, 0, 1",  "1, 0, 0, 1", "",     "Velmora",
    "Velmora",    kRightsLine,  "Velmora.EXE", "Velmora",    0x0407, 1200,
};

constexpr ResourceTable kTable = {kDialogs, kStrings, kIcons, &kVersion};

}  // namespace

const ResourceTable& Table() { return kTable; }

}  // namespace res
