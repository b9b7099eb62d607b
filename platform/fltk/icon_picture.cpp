#include "platform/fltk/icon_picture.h"

#include "platform/fltk/icon_pixels.h"

#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace fltk_desktop {

namespace {

struct Picture {
  std::vector<std::uint8_t> rgb;  // the image's pixels; the image only points at them
  std::unique_ptr<Fl_RGB_Image> image;
};

}  // namespace

const Fl_RGB_Image* IconPicture(HICON icon, int size) {
  if (!icon) return nullptr;
  const IconImage* image = IconOfSize(*icon, size);
  if (!image) return nullptr;
  static std::map<const IconImage*, Picture> pictures;
  Picture& picture = pictures[image];
  if (!picture.image) {
    picture.rgb = IconRgb(*image);
    picture.image = std::make_unique<Fl_RGB_Image>(picture.rgb.data(), image->width, image->height, 3);
  }
  return picture.image.get();
}

}  // namespace fltk_desktop
