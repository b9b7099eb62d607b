// The pixels of an icon picture as red, green and blue bytes, rows top to bottom: what the
// window icon, the painted icon and the installed icon files are made of.
#pragma once

#include "platform/resources.h"

#include <cstdint>
#include <vector>

namespace fltk_desktop {

std::vector<std::uint8_t> IconRgb(const IconImage& image);

// The picture of the group closest in size to size × size; nullptr for an empty group.
const IconImage* IconOfSize(const IconGroup& group, int size);

}  // namespace fltk_desktop
