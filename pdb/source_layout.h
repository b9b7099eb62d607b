// The two accepted layouts of a source bitmap, one row per colour depth.
#pragma once

#include <cstdint>

struct SourceLayout {
  int depth;                  // bits per pixel: 4 (16 greys) or 8 (256 colours)
  std::uint32_t imageBytes;   // pixel data: 160 rows of rowBytes
  std::uint32_t pixelOffset;  // where the pixel data starts; the palette fills the bytes from 54 up to it
  std::uint32_t fileBytes;    // pixelOffset + imageBytes: all that is read of the file
  std::uint32_t rowBytes;     // one row of 160 pixels; a multiple of 4, so rows need no padding
  const char* namePrefix;     // the start of the output file's name
  char typeCode[4];           // the database type
};

inline constexpr SourceLayout kLayout4 = {4, 12800, 118, 12918, 80, "TSVO16_", {'G', 'A', 'T', 'A'}};
inline constexpr SourceLayout kLayout8 = {8, 25600, 1078, 26678, 160, "TSVO256_", {'C', 'A', 'T', 'A'}};

// The loaded source is one buffer of the larger layout's size, whatever the depth.
inline constexpr std::uint32_t kLoadedSourceBytes = kLayout8.fileBytes;

// The layout of a depth, or nullptr when the depth is not accepted.
constexpr const SourceLayout* LayoutOfDepth(int depth) {
  return depth == 4 ? &kLayout4 : depth == 8 ? &kLayout8 : nullptr;
}
