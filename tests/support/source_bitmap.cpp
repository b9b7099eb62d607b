#include "tests/support/source_bitmap.h"

#include "pdb/source_layout.h"

void PutLe16(Bytes& bytes, std::size_t at, std::uint16_t value) {
  bytes[at] = static_cast<std::uint8_t>(value);
  bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void PutLe32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

Bytes MakeSourceBitmap(int depth) {
  const SourceLayout& layout = *LayoutOfDepth(depth);
  Bytes b(layout.fileBytes);
  b[0] = 'B';
  b[1] = 'M';
  PutLe32(b, 2, layout.fileBytes);
  PutLe32(b, 10, layout.pixelOffset);
  PutLe32(b, 14, 40);  // information header size
  PutLe32(b, 18, 160);
  PutLe32(b, 22, 160);
  PutLe16(b, 26, 1);
  PutLe16(b, 28, static_cast<std::uint16_t>(depth));
  PutLe32(b, 30, 0);
  PutLe32(b, 34, layout.imageBytes);
  PutLe32(b, 38, 2835);
  PutLe32(b, 42, 2835);
  for (std::size_t i = 54; i < layout.pixelOffset; ++i) b[i] = static_cast<std::uint8_t>(i * 13 + 5);
  for (std::size_t i = layout.pixelOffset; i < layout.fileBytes; ++i) {
    b[i] = static_cast<std::uint8_t>(i * 7 + i / layout.rowBytes);
  }
  return b;
}
