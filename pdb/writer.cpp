// The Tessivo database file: a Palm database of four records.
//
// Header (78 bytes):
//
//   offset  size  field               value
//   ------  ----  ------------------  -----------------------------------------------
//        0    32  name                the title (at most 22 bytes), then zeros
//       32     2  attributes          0
//       34     2  version             1
//       36     4  creationDate        867745189 (33 B8 BD A5): fixed, never the clock
//       40     4  modificationDate    867745189
//       44     4  lastBackupDate      867745189
//       48     4  modificationNumber  1
//       52     4  appInfoID           0
//       56     4  sortInfoID          0
//       60     4  type                "GATA" (4-bit) | "CATA" (8-bit)
//       64     4  creator             "Tsvo"
//       68     4  uniqueIDSeed        0
//       72     4  nextRecordListID    0
//       76     2  numRecords          4
//
// Record list (78..111): four entries of 8 bytes, then 2 zero bytes:
//
//   offset  size  field         value
//   ------  ----  ------------  ---------------------------------------
//        0     4  localChunkID  the record's offset in the file
//        4     1  attributes    0
//        5     3  uniqueID      0
//
// The records start at 0x70, 0x3280, 0x3290, 0x3294 (4-bit) or 0x70, 0x6480, 0x6880, 0x6884
// (8-bit).
//
// Records (from 112, back to back):
//
//   record  bytes                   contents
//   ------  ----------------------  -------------------------------------------
//        0  16 + imageBytes         the Palm bitmap (see records.cpp)
//        1  16 | 1024               the colour table (see records.cpp)
//        2  4                       clock origin: x, then y, 16 bits each
//        3  0..255                  the info text as held: no terminator, no length
//
// All numbers are big-endian. A 4-bit database is 12948 bytes plus the info text, an 8-bit one
// 26756 plus the info text.

#include "pdb/writer.h"

#include "pdb/big_endian.h"
#include "pdb/records.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstddef>
#include <string_view>

namespace {

constexpr std::uint32_t kHeaderTemplateBytes = 76;  // name .. nextRecordListID
constexpr std::uint32_t kNameBytes = 32;
constexpr std::uint32_t kTitleBytes = 22;  // the most of a title that goes into the name
constexpr std::uint16_t kDatabaseVersion = 1;
constexpr std::uint32_t kFixedDate = 867745189;  // 33 B8 BD A5: every date, every database
constexpr std::uint32_t kModificationNumber = 1;
constexpr std::array<std::uint8_t, 4> kCreator = {'T', 's', 'v', 'o'};

constexpr std::uint16_t kRecordCount = 4;
constexpr std::uint32_t kRecordEntryBytes = 8;  // localChunkID, attributes, uniqueID
constexpr std::uint32_t kRecordListGapBytes = 2;
constexpr std::uint32_t kRecordListBytes = kRecordCount * kRecordEntryBytes + kRecordListGapBytes;

enum RecordIndex : std::uint32_t { kBitmapRecord, kColorTableRecord, kOriginRecord, kInfoRecord };

// The first 76 bytes of every database. One template serves the whole program: the constant
// fields hold their values from the start, and each database fills in its own name, version,
// type and creator before the header is written whole, so databases are written one at a
// time.
class DatabaseHeader {
 public:
  DatabaseHeader() {
    std::uint8_t* out = bytes_.data();
    PutBE16(out + 32, 0);                    // attributes
    PutBE32(out + 36, kFixedDate);           // creationDate
    PutBE32(out + 40, kFixedDate);           // modificationDate
    PutBE32(out + 44, kFixedDate);           // lastBackupDate
    PutBE32(out + 48, kModificationNumber);  // modificationNumber
    PutBE32(out + 52, 0);                    // appInfoID
    PutBE32(out + 56, 0);                    // sortInfoID
    PutBE32(out + 68, 0);                    // uniqueIDSeed
    PutBE32(out + 72, 0);                    // nextRecordListID
  }

  void Fill(const CString& title, const SourceLayout& layout) {
    std::uint8_t* out = bytes_.data();
    const std::string_view name = title.View().substr(0, kTitleBytes);
    std::fill_n(out + 0, kNameBytes, std::uint8_t{0});               // name: cleared,
    std::copy(name.begin(), name.end(), out + 0);                    //       then the title
    PutBE16(out + 34, kDatabaseVersion);                             // version
    std::copy_n(layout.typeCode, sizeof layout.typeCode, out + 60);  // type
    std::copy(kCreator.begin(), kCreator.end(), out + 64);           // creator
  }

  const std::uint8_t* Data() const { return bytes_.data(); }
  static constexpr std::uint32_t Size() { return kHeaderTemplateBytes; }

 private:
  std::array<std::uint8_t, kHeaderTemplateBytes> bytes_{};
};

DatabaseHeader g_header;

// The steps of the file, front to back.

void WriteHeader(CFile& file, const CString& title, const SourceLayout& layout) {
  g_header.Fill(title, layout);
  file.Write(g_header.Data(), DatabaseHeader::Size());
}

void WriteRecordCount(CFile& file) {
  std::uint8_t bytes[2];
  PutBE16(bytes, kRecordCount);  // numRecords
  file.Write(bytes, sizeof bytes);
}

// Four zero entries and the gap after them; each entry gets its record's offset when the
// record begins.
void WriteEmptyRecordList(CFile& file) {
  const std::array<std::uint8_t, kRecordListBytes> zeros{};
  file.Write(zeros.data(), kRecordListBytes);
}

// Enters the current position, where record `index` starts, into the record list, and comes
// back to it.
void BeginRecord(CFile& file, std::uint64_t listPosition, RecordIndex index) {
  const std::uint64_t start = file.GetPosition();
  file.Seek(static_cast<std::int64_t>(listPosition + kRecordEntryBytes * index), CFile::begin);
  std::uint8_t localChunkID[4];
  PutBE32(localChunkID, static_cast<std::uint32_t>(start));  // localChunkID
  file.Write(localChunkID, sizeof localChunkID);
  file.Seek(static_cast<std::int64_t>(start), CFile::begin);
}

void WriteBitmapRecord(CFile& file, std::span<const std::uint8_t> source, const SourceLayout& layout,
                       std::span<std::uint8_t> recordBuffer) {
  const std::uint32_t size = BitmapRecordBytes(layout);
  assert(recordBuffer.size() >= size);
  BuildBitmapRecord(source, layout, recordBuffer.first(size));
  file.Write(recordBuffer.data(), size);
}

void WriteColorTableRecord(CFile& file, std::span<const std::uint8_t> source, const SourceLayout& layout) {
  const ColorTableRecord table = BuildColorTableRecord(source, layout);
  file.Write(table.bytes.data(), table.size);
}

void WriteOriginRecord(CFile& file, const ImageInfo& info) {
  std::uint8_t bytes[4];
  PutBE16(bytes + 0, static_cast<std::uint16_t>(info.x));  // x
  PutBE16(bytes + 2, static_cast<std::uint16_t>(info.y));  // y
  file.Write(bytes, sizeof bytes);
}

// The text as held, CR LF and all; an empty text is an empty record and no write at all.
void WriteInfoRecord(CFile& file, const ImageInfo& info) {
  if (info.info.IsEmpty()) return;
  file.Write(info.info.GetString(), static_cast<std::uint32_t>(info.info.GetLength()));
}

}  // namespace

void WriteDatabase(CFile& file, const CString& title, std::span<const std::uint8_t> source, const SourceLayout& layout,
                   const ImageInfo& info, std::span<std::uint8_t> recordBuffer) {
  WriteHeader(file, title, layout);
  WriteRecordCount(file);
  const std::uint64_t listPosition = file.GetPosition();
  WriteEmptyRecordList(file);

  BeginRecord(file, listPosition, kBitmapRecord);
  WriteBitmapRecord(file, source, layout, recordBuffer);
  BeginRecord(file, listPosition, kColorTableRecord);
  WriteColorTableRecord(file, source, layout);
  BeginRecord(file, listPosition, kOriginRecord);
  WriteOriginRecord(file, info);
  BeginRecord(file, listPosition, kInfoRecord);
  WriteInfoRecord(file, info);

  file.Flush();
}
