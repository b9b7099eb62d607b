// Source bitmaps for tests: a valid 160 × 160 picture of either depth, whose header fields a
// test can then spoil one at a time.
#pragma once

#include "tests/support/temp_dir.h"

#include <cstddef>
#include <cstdint>

void PutLe16(Bytes& bytes, std::size_t at, std::uint16_t value);
void PutLe32(Bytes& bytes, std::size_t at, std::uint32_t value);

// A valid uncompressed bitmap of depth 4 or 8: every palette entry and pixel byte differs
// from its neighbours, so that a moved or lost byte shows.
Bytes MakeSourceBitmap(int depth);
