// Icons as the toolkit's images, made once per icon and size and kept for the program's life.
#pragma once

#include "platform/resources.h"

#include <FL/Fl_RGB_Image.H>

namespace fltk_desktop {

// The picture of the icon closest to size × size; nullptr for no icon.
const Fl_RGB_Image* IconPicture(HICON icon, int size);

}  // namespace fltk_desktop
