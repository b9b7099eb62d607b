// Small source bitmaps and the databases expected from them, built by hand from the byte
// layout, so that the writer is checked against an independent account of every byte.
#pragma once

#include "pdb/image_info.h"
#include "pdb/source_layout.h"
#include "platform/cstring.h"
#include "tests/support/temp_dir.h"

#include <cstdint>
#include <string>

inline constexpr std::uint32_t kHeaderBytes = 78;
inline constexpr std::uint32_t kRecordListOffset = 78;
inline constexpr std::uint32_t kFirstRecordOffset = 112;

// A loaded source buffer (kLoadedSourceBytes long) holding a 160x160 bitmap of the layout's
// depth: a real BMP header, a palette, and pixel rows that all differ from each other. The
// 4-bit palette is greys, the 8-bit one distinct colours: entry n is red 0x30 + 5n, green
// 0x20 + 3n, blue 0x10 + n (mod 256), reserved 0xA5. Bytes past layout.fileBytes hold 0xCC.
Bytes MakeSource(const SourceLayout& layout);

// The source's pixel byte at column c of file row y (row 0 is the bottom row, the first in
// the file).
std::uint8_t& SourcePixelByte(Bytes& source, const SourceLayout& layout, std::uint32_t y, std::uint32_t c);

// Palette entry n of the source as red, green, blue.
struct Rgb {
  std::uint8_t r, g, b;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};
Rgb PaletteColor(const Bytes& source, std::uint32_t n);

// The whole database expected for the source, title and info.
Bytes ExpectedDatabase(const Bytes& source, const SourceLayout& layout, const CString& title, const ImageInfo& info);

// Where each record starts in the expected database, and where it ends.
struct RecordSpan {
  std::uint32_t begin, end;
};
RecordSpan RecordAt(const SourceLayout& layout, const ImageInfo& info, int record);

// Writes a database with WriteDatabase into a new file at path and returns the file's bytes.
Bytes WriteToFile(const std::string& path, const Bytes& source, const SourceLayout& layout, const CString& title,
                  const ImageInfo& info);
