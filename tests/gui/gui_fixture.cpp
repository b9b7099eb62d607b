// What the window tests need besides the real window:
//
//   gui_fixture bitmap DEPTH FILE       writes a valid 160 × 160 source bitmap of depth 4 or 8
//   gui_fixture convert FILE INFO X Y   converts FILE on the scripted desktop: the person
//                                       chooses FILE, types INFO, X and Y, and presses OK; the
//                                       database lands beside FILE
//
// so that a test can compare the database that the real window wrote with the one that the
// same person's input makes on the scripted desktop.
#include "convert/convert_bitmap.h"
#include "platform/scripted/scripted_desktop.h"
#include "platform/winapp.h"
#include "res/resources.h"
#include "tests/support/source_bitmap.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

class FixtureApp : public CWinApp {
 public:
  FixtureApp() : CWinApp("Velmora") {}
};

int Convert(const char* file, const char* info, const char* x, const char* y) {
  FixtureApp app;
  scripted::ScriptedDesktop desktop;
  AfxSetDesktop(&desktop);
  AfxSetResources(res::Table());
  desktop.ChooseFile(file);
  desktop.Dialog(res::IDD_IMAGE_INFO, {scripted::Type(res::IDC_INFO, info), scripted::Type(res::IDC_X, x),
                                       scripted::Type(res::IDC_Y, y), scripted::Press(IDOK)});
  ConvertBitmap();
  AfxSetDesktop(nullptr);
  int failures = 0;
  for (const std::string& problem : desktop.Problems()) {
    std::fprintf(stderr, "gui_fixture: %s\n", problem.c_str());
    ++failures;
  }
  const auto boxes = desktop.MessageBoxes();
  if (boxes.size() != 1 || !std::string_view(boxes.front()->text).ends_with(" created!")) {
    std::fprintf(stderr, "gui_fixture: the conversion did not end with its one success message\n");
    ++failures;
  }
  return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string verb = argc > 1 ? argv[1] : "";
  if (verb == "bitmap" && argc == 4) {
    WriteFileBytes(argv[3], MakeSourceBitmap(std::atoi(argv[2])));
    return 0;
  }
  if (verb == "convert" && argc == 6) return Convert(argv[2], argv[3], argv[4], argv[5]);
  std::fprintf(stderr, "usage: gui_fixture bitmap DEPTH FILE | convert FILE INFO X Y\n");
  return 2;
}
