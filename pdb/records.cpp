// The two picture records of a Tessivo database, built in memory from the loaded source bitmap.
//
// Record 0, the Palm bitmap (16 + imageBytes bytes):
//
//   offset  size  field             value
//   ------  ----  ----------------  -------------------------------------------------
//        0     2  width             160
//        2     2  height            160
//        4     2  rowBytes          80 (4-bit) | 160 (8-bit)
//        6     2  flags             0
//        8     1  pixelSize         low byte of the source's bit count (offset 28): 4 | 8
//        9     1  version           1
//       10     2  nextDepthOffset   0
//       12     1  transparentIndex  0
//       13     1  compressionType   0
//       14     2  reserved          0
//       16     *  pixel rows        160 rows of rowBytes, top row first
//
// The source stores its rows bottom row first, so record row r is source row 159 - r. Each
// byte is converted on the way:
//   4-bit: 255 - s. Each nibble n becomes 15 - n: the source's greys run from black (0) to
//          white (15), the handheld's from white (0) to black (15).
//   8-bit: 0 becomes 240, every other index stays. The handheld keeps index 0 for white, so
//          the source's colour 0 moves to slot 240, where the colour table puts it.
//
// Record 1, the colour table:
//
//   4-bit source: 16 zero bytes (the handheld's own greys apply).
//   8-bit source: 1024 bytes, 256 entries of 4 bytes, no count before them:
//
//   entry     offset   bytes
//   --------  -------  -------------------------------------------------------------
//   0..239    4n       n, red, green, blue of source palette entry n
//   240       960      240, red, green, blue of source palette entry 0
//   241..255  4n       n, then 255 - 17k three times, k = n - 240 (EE, DD, ... 11, 00)
//
// A source palette entry n sits at offset 54 + 4n as blue, green, red, reserved. Entries
// 240..255, the reserved bytes and a 4-bit palette are never read.

#include "pdb/records.h"

#include "pdb/big_endian.h"

#include <algorithm>
#include <cassert>
#include <cstddef>

namespace {

// The picture.
constexpr std::uint16_t kPictureWidth = 160;
constexpr std::uint16_t kPictureHeight = 160;

// The source bitmap.
constexpr std::size_t kBitCountOffset = 28;  // 16 bits, little-endian; pixelSize takes the low byte
constexpr std::size_t kPaletteOffset = 54;
constexpr std::size_t kPaletteEntryBytes = 4;  // blue, green, red, reserved
constexpr std::size_t kPaletteBlue = 0;
constexpr std::size_t kPaletteGreen = 1;
constexpr std::size_t kPaletteRed = 2;

// The bitmap record.
constexpr std::uint8_t kBitmapVersion = 1;

// The colour table.
constexpr std::uint32_t kGreyTableBytes = 16;
constexpr std::uint32_t kColorTableEntries = 256;
constexpr std::size_t kColorEntryBytes = 4;     // index, red, green, blue
constexpr std::uint8_t kMovedColorIndex = 240;  // where the source's colour 0 goes
constexpr std::uint8_t kGreyStep = 17;          // entries 241..255: 255 - 17k, k = 1..15

std::uint8_t InvertGreys(std::uint8_t s) { return static_cast<std::uint8_t>(255 - s); }
std::uint8_t MoveColorZero(std::uint8_t s) { return s == 0 ? kMovedColorIndex : s; }

// Copies the 160 rows bottom-up: record row r is the source row rowBytes * (r + 1) before the
// end of the pixel data.
template <typename Convert>
void CopyRows(const std::uint8_t* source, const SourceLayout& layout, std::uint8_t* rows, Convert convert) {
  const std::uint8_t* end = source + layout.fileBytes;
  for (std::uint32_t r = 0; r < kPictureHeight; ++r) {
    const std::uint8_t* from = end - layout.rowBytes * (r + 1);
    std::transform(from, from + layout.rowBytes, rows + layout.rowBytes * r, convert);
  }
}

void PutColorEntry(std::uint8_t* out, std::uint8_t index, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  out[0] = index;  // index
  out[1] = red;    // red
  out[2] = green;  // green
  out[3] = blue;   // blue
}

}  // namespace

void BuildBitmapRecord(std::span<const std::uint8_t> source, const SourceLayout& layout,
                       std::span<std::uint8_t> record) {
  assert(source.size() >= layout.fileBytes);
  assert(record.size() >= BitmapRecordBytes(layout));
  std::uint8_t* out = record.data();
  PutBE16(out + 0, kPictureWidth);                                // width
  PutBE16(out + 2, kPictureHeight);                               // height
  PutBE16(out + 4, static_cast<std::uint16_t>(layout.rowBytes));  // rowBytes
  PutBE16(out + 6, 0);                                            // flags
  out[8] = source[kBitCountOffset];                               // pixelSize
  out[9] = kBitmapVersion;                                        // version
  PutBE16(out + 10, 0);                                           // nextDepthOffset
  out[12] = 0;                                                    // transparentIndex
  out[13] = 0;                                                    // compressionType
  PutBE16(out + 14, 0);                                           // reserved
  std::uint8_t* rows = out + kBitmapHeaderBytes;                  // pixel rows
  if (layout.depth == 4) {
    CopyRows(source.data(), layout, rows, InvertGreys);
  } else {
    CopyRows(source.data(), layout, rows, MoveColorZero);
  }
}

ColorTableRecord BuildColorTableRecord(std::span<const std::uint8_t> source, const SourceLayout& layout) {
  ColorTableRecord table;
  if (layout.depth == 4) {
    table.size = kGreyTableBytes;  // all zero
    return table;
  }
  assert(source.size() >= kPaletteOffset + kPaletteEntryBytes * kMovedColorIndex);
  table.size = kColorTableEntries * kColorEntryBytes;
  std::uint8_t* out = table.bytes.data();
  const auto color = [&](std::size_t n, std::uint8_t index, std::uint8_t* entry) {
    const std::uint8_t* bgr = source.data() + kPaletteOffset + kPaletteEntryBytes * n;
    PutColorEntry(entry, index, bgr[kPaletteRed], bgr[kPaletteGreen], bgr[kPaletteBlue]);
  };
  for (std::uint8_t n = 0; n < kMovedColorIndex; ++n) {  // 0..239: the source's own colours
    color(n, n, out + kColorEntryBytes * n);
  }
  color(0, kMovedColorIndex, out + kColorEntryBytes * kMovedColorIndex);      // 240: the source's colour 0
  for (std::uint8_t k = 1; k < kColorTableEntries - kMovedColorIndex; ++k) {  // 241..255: greys
    const auto index = static_cast<std::uint8_t>(kMovedColorIndex + k);
    const auto grey = static_cast<std::uint8_t>(255 - kGreyStep * k);
    PutColorEntry(out + kColorEntryBytes * index, index, grey, grey, grey);
  }
  return table;
}
