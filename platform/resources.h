// The types of the program's resources: dialog templates, strings, icons and the version
// block. The program fills them (its res/ folder) and hands them to the framework at start
// with AfxSetResources; the framework finds them by number.
#pragma once

#include <cstdint>
#include <span>

struct DialogUnits {
  int x, y, cx, cy;
};

enum class ControlClass { button, edit, staticText };

struct ControlTemplate {
  int id;
  ControlClass cls;
  const char* text;  // Windows-1252; a static icon names its icon as "#128"
  DialogUnits rect;
  std::uint32_t style;  // besides WS_CHILD and WS_VISIBLE, which every control has
};

struct DialogTemplate {
  int id;
  bool extended;  // an extended template (DIALOGEX) rather than a classic one
  const char* caption;
  std::uint32_t style;
  std::uint32_t exStyle;
  DialogUnits rect;
  const char* fontName;
  int pointSize;
  std::span<const ControlTemplate> controls;
};

struct StringResource {
  int id;
  const char* text;
};

// One picture of an icon: 16 colours, one palette index per pixel, rows top to bottom.
struct IconImage {
  int width, height;
  std::span<const std::uint32_t, 16> palette;  // 0xRRGGBB
  const char* pixels;                          // width × height hex digits, '0' to 'f'
};

struct IconGroup {
  int id;
  std::span<const IconImage> images;
};

struct VersionBlock {
  std::uint16_t fileVersion[4];
  std::uint16_t productVersion[4];
  const char* fileVersionText;
  const char* productVersionText;
  const char* companyName;
  const char* fileDescription;
  const char* internalName;
  const char* legalCopyright;
  const char* originalFilename;
  const char* productName;
  std::uint16_t language;  // 0x0407, German
  std::uint16_t codePage;  // 1200
};

struct ResourceTable {
  std::span<const DialogTemplate> dialogs;
  std::span<const StringResource> strings;
  std::span<const IconGroup> icons;
  const VersionBlock* version;
};

using HICON = const IconGroup*;

void AfxSetResources(const ResourceTable& table);
const DialogTemplate* AfxFindDialog(int id);
const IconGroup* AfxFindIcon(int id);
const VersionBlock* AfxVersionBlock();
// The string of that number, empty when there is none.
const char* AfxLoadString(int id);
