#include "platform/fltk/dialog_font.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace fltk_desktop {

namespace {

// Text smaller than this is hard to read on any screen.
constexpr int kMinPixels = 11;

// The font slot for a face of the system's that the toolkit does not name itself.
constexpr Fl_Font kTemplateFont = FL_FREE_FONT;

// The toolkit's Helvetica asked of the system by that name, so that fontconfig gives a face
// of Helvetica's widths where one is installed (the dialogs' texts are set for such widths)
// and its default sans otherwise.
constexpr const char kHelvetica[] = " Helvetica";

int Round(double v) { return static_cast<int>(std::lround(v)); }

bool FaceInstalled(const char* face) {
  if (!face || !*face || !FcInit()) return false;
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(face));
  FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
  FcFontSet* fonts = FcFontList(nullptr, pattern, objects);  // exact names, no substitutes
  const bool found = fonts && fonts->nfont > 0;
  if (fonts) FcFontSetDestroy(fonts);
  FcObjectSetDestroy(objects);
  FcPatternDestroy(pattern);
  return found;
}

DialogFont Choose(const char* templateFace, int pointSize) {
  DialogFont font{FL_HELVETICA, kMinPixels, 0, 0};
  Fl::set_font(FL_HELVETICA, kHelvetica);
  if (FaceInstalled(templateFace)) {
    static const std::string name = std::string(" ") + templateFace;  // " ": the regular style
    Fl::set_font(kTemplateFont, name.c_str());
    font.face = kTemplateFont;
  }
  float dpiX = 96, dpiY = 96;
  Fl::screen_dpi(dpiX, dpiY);
  if (dpiY < 1) dpiY = 96;
  font.size = std::max(kMinPixels, static_cast<int>(std::lround(pointSize * static_cast<double>(dpiY) / 72.0)));

  fl_font(font.face, font.size);
  static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  font.baseWidth = std::max(1.0, fl_width(letters) / 52);
  font.baseHeight = std::max(1, fl_height());
  return font;
}

}  // namespace

int DialogFont::X(int units) const { return Round(units * baseWidth / 4); }
int DialogFont::Y(int units) const { return Round(units * baseHeight / 8.0); }
int DialogFont::TabStep() const { return Round(8 * baseWidth); }

const DialogFont& TheDialogFont(const char* templateFace, int pointSize) {
  static const DialogFont font = Choose(templateFace, pointSize);
  return font;
}

}  // namespace fltk_desktop
