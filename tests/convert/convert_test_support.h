// Scenario tests of the Convert Bitmap command: a person on the scripted desktop, real files
// in a temporary folder.
#pragma once

#include "convert/convert_bitmap.h"
#include "pdb/image_info.h"
#include "tests/support/desktop_test.h"
#include "tests/support/source_bitmap.h"
#include "tests/support/temp_dir.h"

#include <string>
#include <vector>

class ConvertTest : public DesktopTest {
 protected:
  TempDir dir;

  // Writes bytes to a file of the folder and returns its path.
  std::string Source(const std::string& name, const Bytes& bytes) const {
    std::string path = dir.File(name);
    WriteFileBytes(path, bytes);
    return path;
  }

  // The person chooses path, then does actions in the image information dialog.
  void Convert(const std::string& path, std::vector<scripted::Action> infoActions = {scripted::Press(IDOK)}) {
    desktop.ChooseFile(CString(path));
    if (!infoActions.empty()) desktop.Dialog(res::IDD_IMAGE_INFO, std::move(infoActions));
    ConvertBitmap();
  }

  // Converts as the main window's handler does: what leaves the command is reported by the
  // framework.
  void RunAsHandler(const std::string& path, std::vector<scripted::Action> infoActions = {scripted::Press(IDOK)}) {
    try {
      Convert(path, std::move(infoActions));
    } catch (...) {
      AfxReportCurrentException();
    }
  }

  // The one message the conversion showed; fails the test unless there was exactly one.
  scripted::Shown OnlyMessage() const {
    const auto boxes = desktop.MessageBoxes();
    EXPECT_EQ(boxes.size(), 1u);
    return boxes.empty() ? scripted::Shown{} : *boxes.front();
  }

  bool InfoDialogShown() const {
    for (const scripted::Shown& s : desktop.Transcript()) {
      if (s.kind == scripted::Shown::dialog && s.templateId == res::IDD_IMAGE_INFO) return true;
    }
    return false;
  }
};

// The database that our own writer makes of a source file's bytes.
Bytes DatabaseOf(const Bytes& source, const CString& title, const ImageInfo& info);

// Whether some process holds the file open unshared.
bool HeldOpen(const std::string& path);
