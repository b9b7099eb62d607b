// The application and its main window on the scripted desktop.
#include "app/converter_app.h"
#include "platform/file.h"
#include "platform/scripted/scripted_desktop.h"
#include "res/resources.h"
#include "tests/support/source_bitmap.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <new>

using scripted::Look;
using scripted::Press;
using scripted::Shown;
using scripted::SysCommand;
using scripted::Window;

namespace {

class AppTest : public ::testing::Test {
 protected:
  AppTest() {
    app.m_pszAppName = "Velmora";
    AfxSetDesktop(&desktop);
    AfxSetResources(res::Table());
  }
  ~AppTest() override { AfxSetDesktop(nullptr); }

  // Runs the program with the main window doing actions.
  void Run(std::vector<scripted::Action> actions) {
    desktop.Dialog(res::IDD_CONVERTER, std::move(actions));
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(desktop.Problems(), std::vector<std::string>{});
  }

  std::vector<int> DialogsShown() const {
    std::vector<int> ids;
    for (const Shown& s : desktop.Transcript()) {
      if (s.kind == Shown::dialog) ids.push_back(s.templateId);
    }
    return ids;
  }

  scripted::ScriptedDesktop desktop;
  CConverterApp app;
};

}  // namespace

TEST_F(AppTest, TheMainWindowOpensWithItsMenuAndIconAndEndsOnExit) {
  Run({Look([](const Window& w) {
         EXPECT_EQ(w.caption, CString("Velmora"));
         EXPECT_EQ(w.owner, 0);
         EXPECT_EQ(w.bigIcon, AfxFindIcon(res::IDR_MAINFRAME));
         ASSERT_EQ(w.systemMenu.size(), 2u);
         EXPECT_EQ(w.systemMenu[0].flags, MF_SEPARATOR);
         EXPECT_EQ(w.systemMenu[1].flags, MF_STRING);
         EXPECT_EQ(w.systemMenu[1].id, 16u);
         EXPECT_EQ(w.systemMenu[1].text, CString("&About Velmora..."));
       }),
       Press(IDCANCEL)});
  EXPECT_EQ(DialogsShown(), std::vector<int>{res::IDD_CONVERTER});
  EXPECT_EQ(app.m_pMainWnd, nullptr);
}

TEST_F(AppTest, TheAboutBoxOpensFromItsButtonAndFromTheSystemMenu) {
  // The button, then every system command whose id differs from the entry's in its lowest
  // four bits, then one that is not the entry's, then the Close entry.
  std::vector<scripted::Action> actions = {Press(res::IDC_ABOUT)};
  for (unsigned id = 16; id <= 31; ++id) actions.push_back(SysCommand(id));
  actions.push_back(SysCommand(32));
  actions.push_back(SysCommand(SC_CLOSE));
  desktop.Dialog(res::IDD_CONVERTER, std::move(actions));
  for (int i = 0; i < 17; ++i) {
    desktop.Dialog(res::IDD_ABOUTBOX, {Look([](const Window& w) {
                                         EXPECT_EQ(w.caption, CString("About Velmora"));
                                         EXPECT_NE(w.owner, 0);  // over the main window
                                       }),
                                       Press(i % 2 ? IDOK : IDCANCEL)});
  }
  EXPECT_FALSE(app.InitInstance());
  EXPECT_EQ(desktop.Problems(), std::vector<std::string>{});
  EXPECT_EQ(DialogsShown().size(), 18u);
}

TEST_F(AppTest, AMinimisedWindowPaintsItsIconInTheMiddle) {
  Run({scripted::Paint(), scripted::Minimise(true), scripted::Paint(), Press(IDCANCEL)});
  ASSERT_EQ(desktop.painted.size(), 2u);  // nothing while the window was open
  EXPECT_TRUE(desktop.painted[0].erase);
  EXPECT_EQ(desktop.painted[1].icon, AfxFindIcon(res::IDR_MAINFRAME));
  EXPECT_EQ(desktop.painted[1].x, 3);  // (37 - 32 + 1) / 2
  EXPECT_EQ(desktop.painted[1].y, 2);  // (36 - 32 + 1) / 2
}

TEST_F(AppTest, AMainWindowThatCannotBeCreatedEndsTheProgramSilently) {
  desktop.FailDialog(res::IDD_CONVERTER);
  EXPECT_FALSE(app.InitInstance());
  EXPECT_TRUE(desktop.Transcript().empty());
  EXPECT_EQ(desktop.Problems(), std::vector<std::string>{});
}

TEST_F(AppTest, HelpFromTheMainWindowReachesTheApplication) {
  Run({Press(ID_HELP), Press(IDCANCEL)});
  ASSERT_EQ(desktop.Transcript().size(), 2u);
  EXPECT_EQ(desktop.Transcript()[1].kind, Shown::help);
  EXPECT_TRUE(desktop.Transcript()[1].text.View().ends_with("/app_tests.HLP"));
}

namespace {

// A file system that runs out of memory when a file is created.
class OutOfMemoryOnCreate final : public FileSystem {
 public:
  int Open(const char* path, unsigned flags, int& fd) override {
    if (flags & CFile::modeCreate) throw std::bad_alloc();
    return real_.Open(path, flags, fd);
  }
  int Read(int fd, void* b, std::uint32_t n, std::uint32_t& got) override { return real_.Read(fd, b, n, got); }
  int Write(int fd, const void* b, std::uint32_t n) override { return real_.Write(fd, b, n); }
  int Position(int fd, std::uint64_t& at) override { return real_.Position(fd, at); }
  int Seek(int fd, std::int64_t o, int w, std::uint64_t& at) override { return real_.Seek(fd, o, w, at); }
  int Flush(int fd) override { return real_.Flush(fd); }
  int Close(int fd) override { return real_.Close(fd); }

 private:
  FileSystem& real_ = FileSystem::System();
};

}  // namespace

TEST_F(AppTest, AConversionThatRunsOutOfMemoryIsReportedAndTheWindowStays) {
  const TempDir dir;
  const std::string source = dir.File("face.bmp");
  WriteFileBytes(source, MakeSourceBitmap(8));
  OutOfMemoryOnCreate outOfMemory;
  const ScopedFileSystem scope(outOfMemory);
  desktop.Dialog(res::IDD_CONVERTER, {Press(res::IDC_CONVERT_BITMAP), Press(res::IDC_CONVERT_BITMAP), Press(IDCANCEL)});
  for (int i = 0; i < 2; ++i) {
    desktop.ChooseFile(CString(source));
    desktop.Dialog(res::IDD_IMAGE_INFO, {Press(IDOK)});
  }
  EXPECT_FALSE(app.InitInstance());
  EXPECT_EQ(desktop.Problems(), std::vector<std::string>{});
  const auto boxes = desktop.MessageBoxes();
  ASSERT_EQ(boxes.size(), 2u);  // one report each time, and the window took the second click
  const HWND mainWindow = desktop.Transcript().front().window;
  for (const Shown* box : boxes) {
    EXPECT_EQ(box->owner, mainWindow);
    EXPECT_EQ(box->text, CString("Nicht gen\xFCgend Speicher."));
    EXPECT_EQ(box->type, MB_ICONEXCLAMATION);
    EXPECT_EQ(box->caption, CString("Velmora"));
  }
  EXPECT_FALSE(FileExists(dir.File("TSVO256_face.pdb")));
}
