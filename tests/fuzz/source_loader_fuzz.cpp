// Fuzzes a whole conversion of one source file: the open, both reads and the checks, and on
// acceptance the records and the writer into a temporary folder. Every input must end in
// exactly one message, and an accepted one in a database of the size its depth gives.
#include "convert/convert_bitmap.h"
#include "platform/scripted/scripted_desktop.h"
#include "platform/winapp.h"
#include "res/resources.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

struct Session {
  Session() {
    char pattern[] = "/tmp/velmora-fuzz-XXXXXX";
    if (!::mkdtemp(pattern)) std::abort();
    folder = std::string(pattern) + "/";
    AfxSetDesktop(&desktop);
    AfxSetResources(res::Table());
  }
  CWinApp app{"Velmora"};
  scripted::ScriptedDesktop desktop;
  std::string folder;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Session session;
  const std::string source = session.folder + "face.bmp";
  {
    std::ofstream out(source, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  scripted::ScriptedDesktop& desktop = session.desktop;
  desktop.Reset();
  desktop.ChooseFile(CString(source));
  desktop.Dialog(res::IDD_IMAGE_INFO, {scripted::Press(IDOK)});
  ConvertBitmap();

  const auto boxes = desktop.MessageBoxes();
  if (boxes.size() != 1) std::abort();
  const bool created = boxes[0]->text.View().ends_with(" created!");
  for (const char* name : {"TSVO16_face.pdb", "TSVO256_face.pdb"}) {
    const std::string output = session.folder + name;
    std::error_code error;
    const auto bytes = std::filesystem::file_size(output, error);
    if (!error) {
      const std::uintmax_t expected = name[4] == '1' ? 12948 + 7 : 26756 + 7;  // "No Info"
      if (!created || bytes != expected) std::abort();
      std::filesystem::remove(output);
    }
  }
  return 0;
}
