#include "platform/fltk/icon_pixels.h"

#include <cstdlib>

namespace fltk_desktop {

namespace {

int HexDigit(char c) { return c >= 'a' ? c - 'a' + 10 : c >= 'A' ? c - 'A' + 10 : c - '0'; }

}  // namespace

std::vector<std::uint8_t> IconRgb(const IconImage& image) {
  std::vector<std::uint8_t> rgb;
  const int count = image.width * image.height;
  rgb.reserve(static_cast<std::size_t>(count) * 3);
  for (int i = 0; i < count; ++i) {
    const std::uint32_t colour = image.palette[static_cast<std::size_t>(HexDigit(image.pixels[i]) & 15)];
    rgb.push_back(static_cast<std::uint8_t>(colour >> 16));
    rgb.push_back(static_cast<std::uint8_t>(colour >> 8));
    rgb.push_back(static_cast<std::uint8_t>(colour));
  }
  return rgb;
}

const IconImage* IconOfSize(const IconGroup& group, int size) {
  const IconImage* best = nullptr;
  for (const IconImage& image : group.images) {
    if (!best || std::abs(image.width - size) < std::abs(best->width - size)) best = &image;
  }
  return best;
}

}  // namespace fltk_desktop
