#include "tests/pdb/pdb_fixture.h"

#include "pdb/writer.h"
#include "platform/file.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace {

void PutLE16(Bytes& out, std::size_t at, std::uint32_t value) {
  out[at] = static_cast<std::uint8_t>(value);
  out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void PutLE32(Bytes& out, std::size_t at, std::uint32_t value) {
  PutLE16(out, at, value & 0xFFFF);
  PutLE16(out, at + 2, value >> 16);
}

void Append(Bytes& out, std::initializer_list<std::uint8_t> bytes) { out.insert(out.end(), bytes); }

void AppendBE16(Bytes& out, std::uint32_t value) {
  Append(out, {static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)});
}

std::uint8_t Byte(std::uint32_t value) { return static_cast<std::uint8_t>(value & 0xFF); }

}  // namespace

Bytes MakeSource(const SourceLayout& layout) {
  Bytes source(kLoadedSourceBytes, 0xCC);
  std::fill_n(source.begin(), layout.fileBytes, std::uint8_t{0});
  // BITMAPFILEHEADER and BITMAPINFOHEADER.
  source[0] = 'B';
  source[1] = 'M';
  PutLE32(source, 2, layout.fileBytes);
  PutLE32(source, 10, layout.pixelOffset);
  PutLE32(source, 14, 40);
  PutLE32(source, 18, 160);
  PutLE32(source, 22, 160);
  PutLE16(source, 26, 1);
  PutLE16(source, 28, static_cast<std::uint32_t>(layout.depth));
  PutLE32(source, 34, layout.imageBytes);
  PutLE32(source, 46, layout.depth == 4 ? 16 : 256);
  // Palette: blue, green, red, reserved.
  const std::uint32_t entries = (layout.pixelOffset - 54) / 4;
  for (std::uint32_t n = 0; n < entries; ++n) {
    std::uint8_t* entry = source.data() + 54 + 4 * n;
    if (layout.depth == 4) {
      entry[0] = entry[1] = entry[2] = Byte(17 * n);
      entry[3] = 0;
    } else {
      entry[0] = Byte(0x10 + n);
      entry[1] = Byte(0x20 + 3 * n);
      entry[2] = Byte(0x30 + 5 * n);
      entry[3] = 0xA5;
    }
  }
  // Pixels: 31 is odd, so no two of the 160 rows are alike.
  for (std::uint32_t y = 0; y < 160; ++y) {
    for (std::uint32_t c = 0; c < layout.rowBytes; ++c) SourcePixelByte(source, layout, y, c) = Byte(31 * y + 7 * c);
  }
  return source;
}

std::uint8_t& SourcePixelByte(Bytes& source, const SourceLayout& layout, std::uint32_t y, std::uint32_t c) {
  return source[layout.pixelOffset + layout.rowBytes * y + c];
}

Rgb PaletteColor(const Bytes& source, std::uint32_t n) {
  const std::uint8_t* entry = source.data() + 54 + 4 * n;
  return {entry[2], entry[1], entry[0]};
}

RecordSpan RecordAt(const SourceLayout& layout, const ImageInfo& info, int record) {
  const std::uint32_t sizes[4] = {16 + layout.imageBytes, layout.depth == 4 ? 16u : 1024u, 4,
                                  static_cast<std::uint32_t>(info.info.GetLength())};
  std::uint32_t begin = kFirstRecordOffset;
  for (int i = 0; i < record; ++i) begin += sizes[i];
  return {begin, begin + sizes[record]};
}

Bytes ExpectedDatabase(const Bytes& source, const SourceLayout& layout, const CString& title, const ImageInfo& info) {
  const bool four = layout.depth == 4;
  Bytes db;
  // Header: name, then the fixed fields.
  const std::string_view name = title.View().substr(0, 22);
  db.insert(db.end(), name.begin(), name.end());
  db.resize(32, 0);
  Append(db, {0x00, 0x00, 0x00, 0x01,                            // attributes, version
              0x33, 0xB8, 0xBD, 0xA5, 0x33, 0xB8, 0xBD, 0xA5,    // creation, modification
              0x33, 0xB8, 0xBD, 0xA5, 0x00, 0x00, 0x00, 0x01,    // last backup, modificationNumber
              0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00});  // appInfoID, sortInfoID
  if (four) {
    Append(db, {'G', 'A', 'T', 'A'});
  } else {
    Append(db, {'C', 'A', 'T', 'A'});
  }
  Append(db, {'T', 's', 'v', 'o', 0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x04});
  // Record list.
  if (four) {
    Append(db, {0x00, 0x00, 0x00, 0x70, 0, 0, 0, 0,    0x00, 0x00, 0x32, 0x80, 0, 0, 0, 0, 0x00,
                0x00, 0x32, 0x90, 0,    0, 0, 0, 0x00, 0x00, 0x32, 0x94, 0,    0, 0, 0, 0, 0});
  } else {
    Append(db, {0x00, 0x00, 0x00, 0x70, 0, 0, 0, 0,    0x00, 0x00, 0x64, 0x80, 0, 0, 0, 0, 0x00,
                0x00, 0x68, 0x80, 0,    0, 0, 0, 0x00, 0x00, 0x68, 0x84, 0,    0, 0, 0, 0, 0});
  }
  // Record 0: the bitmap header, then the rows top down, the file's last row first.
  if (four) {
    Append(db, {0x00, 0xA0, 0x00, 0xA0, 0x00, 0x50, 0x00, 0x00, 0x04, 0x01, 0, 0, 0, 0, 0, 0});
  } else {
    Append(db, {0x00, 0xA0, 0x00, 0xA0, 0x00, 0xA0, 0x00, 0x00, 0x08, 0x01, 0, 0, 0, 0, 0, 0});
  }
  for (std::uint32_t r = 0; r < 160; ++r) {
    for (std::uint32_t c = 0; c < layout.rowBytes; ++c) {
      const std::uint8_t s = source[layout.pixelOffset + layout.rowBytes * (159 - r) + c];
      const int high = s >> 4, low = s & 0x0F;
      db.push_back(four ? Byte(static_cast<std::uint32_t>((15 - high) << 4 | (15 - low))) : s == 0 ? 240 : s);
    }
  }
  // Record 1: the colour table.
  if (four) {
    db.resize(db.size() + 16, 0);
  } else {
    for (std::uint32_t n = 0; n < 240; ++n) {
      const Rgb color = PaletteColor(source, n);
      Append(db, {Byte(n), color.r, color.g, color.b});
    }
    const Rgb zero = PaletteColor(source, 0);
    Append(db, {240, zero.r, zero.g, zero.b});
    for (std::uint32_t k = 1; k <= 15; ++k) {
      const std::uint8_t grey = Byte(255 - 17 * k);
      Append(db, {Byte(240 + k), grey, grey, grey});
    }
  }
  // Record 2: the clock origin. Record 3: the info text.
  AppendBE16(db, static_cast<std::uint32_t>(info.x));
  AppendBE16(db, static_cast<std::uint32_t>(info.y));
  db.insert(db.end(), info.info.View().begin(), info.info.View().end());

  const std::size_t size = (four ? 12948u : 26756u) + info.info.View().size();
  if (db.size() != size) throw std::logic_error("expected database has the wrong size");
  return db;
}

Bytes WriteToFile(const std::string& path, const Bytes& source, const SourceLayout& layout, const CString& title,
                  const ImageInfo& info) {
  std::vector<std::uint8_t> recordBuffer(16 + kLayout8.imageBytes);
  {
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    WriteDatabase(file, title, source, layout, info, recordBuffer);
    file.Close();
  }
  return ReadFileBytes(path);
}
