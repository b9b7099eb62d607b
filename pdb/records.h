// The two picture records of a Tessivo database, built in memory from the loaded source
// bitmap: record 0, the Palm bitmap (16 + imageBytes bytes), and record 1, the colour table
// (16 zero bytes for a 4-bit source, 1024 bytes for an 8-bit one). records.cpp draws their
// bytes.
#pragma once

#include "pdb/source_layout.h"

#include <array>
#include <cstdint>
#include <span>

inline constexpr std::uint32_t kBitmapHeaderBytes = 16;

// The size of record 0 for a layout.
constexpr std::uint32_t BitmapRecordBytes(const SourceLayout& layout) { return kBitmapHeaderBytes + layout.imageBytes; }

struct ColorTableRecord {
  std::array<std::uint8_t, 1024> bytes{};
  std::uint32_t size = 0;
};

// Fills record (16 + layout.imageBytes bytes) with the Palm bitmap record.
void BuildBitmapRecord(std::span<const std::uint8_t> source, const SourceLayout& layout,
                       std::span<std::uint8_t> record);

ColorTableRecord BuildColorTableRecord(std::span<const std::uint8_t> source, const SourceLayout& layout);
