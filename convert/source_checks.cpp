#include "convert/source_checks.h"

#include "convert/texts.h"

// The fields of the 54 header bytes that are read; all integers are little-endian.
//
//   offset  size  field                 accepted
//   0       2     signature             'B' 'M'
//   2       4     file size             the layout's file bytes
//   10      4     offset of the pixels  the layout's pixel offset
//   18      4     width, signed         160
//   22      4     height, signed        160 (bottom-up rows)
//   26      2     planes                1
//   28      2     bits per pixel        4 or 8: chooses the layout
//   30      4     compression           0
//   34      4     size of the pixels    the layout's image bytes
//
// Everything else (reserved bytes, the information header's size, resolutions, colour
// counts, the palette) is not examined.

namespace {

using Header = std::span<const std::uint8_t, kSourceHeaderBytes>;

constexpr std::uint32_t kPictureSide = 160;

std::uint32_t Le16(Header h, std::size_t at) { return h[at] | (h[at + 1] << 8); }
std::uint32_t Le32(Header h, std::size_t at) {
  return h[at] | (h[at + 1] << 8) | (h[at + 2] << 16) | (static_cast<std::uint32_t>(h[at + 3]) << 24);
}

struct Check {
  bool (*passes)(Header h);
  const char* refusal;
};

// In the order they are made; only the first that fails is reported.
constexpr Check kChecks[] = {
    {[](Header h) { return h[0] == 'B' && h[1] == 'M'; }, kNoBitmapFile},
    {[](Header h) { return Le32(h, 18) == kPictureSide; }, kWrongWidth},
    {[](Header h) { return Le32(h, 22) == kPictureSide; }, kWrongHeight},
    {[](Header h) { return Le16(h, 26) == 1; }, kWrongPlanes},
    {[](Header h) { return LayoutOfDepth(static_cast<int>(Le16(h, 28))) != nullptr; }, kWrongDepth},
    {[](Header h) { return Le32(h, 30) == 0; }, kCompressed},
    {[](Header h) {
       const SourceLayout& layout = LayoutOf(h);
       return Le32(h, 34) == layout.imageBytes && Le32(h, 10) == layout.pixelOffset && Le32(h, 2) == layout.fileBytes;
     },
     kWrongFormat},
};

}  // namespace

const char* FirstFailedCheck(Header header) {
  for (const Check& check : kChecks) {
    if (!check.passes(header)) return check.refusal;
  }
  return nullptr;
}

const SourceLayout& LayoutOf(Header header) { return *LayoutOfDepth(static_cast<int>(Le16(header, 28))); }
