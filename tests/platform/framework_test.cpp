#include "platform/file.h"
#include "platform/file_dialog.h"
#include "tests/support/desktop_test.h"

#include <new>

using scripted::Press;
using scripted::Shown;
using scripted::SysCommand;

using FrameworkTest = DesktopTest;

TEST_F(FrameworkTest, AMessageBoxWithoutIconShowsTheExclamationMark) {
  const struct {
    unsigned asked, shown;
  } cases[] = {
      {MB_OK, MB_ICONEXCLAMATION},
      {MB_ICONHAND, MB_ICONHAND},
      {MB_ICONEXCLAMATION, MB_ICONEXCLAMATION},
      {MB_ICONASTERISK, MB_ICONASTERISK},
  };
  for (const auto& c : cases) AfxMessageBox("text", c.asked, 0);
  const auto boxes = desktop.MessageBoxes();
  ASSERT_EQ(boxes.size(), std::size(cases));
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    EXPECT_EQ(boxes[i]->type, cases[i].shown);
    EXPECT_EQ(boxes[i]->caption, CString("Velmora"));
    EXPECT_EQ(boxes[i]->text, CString("text"));
  }
}

TEST(ApplicationTitle, IsTheExecutableNameWithoutExtension) {
  EXPECT_EQ(AfxTitleFromExecutable("/usr/bin/Velmora"), CString("Velmora"));
  EXPECT_EQ(AfxTitleFromExecutable("/opt/x/Velmora.EXE"), CString("Velmora"));
  EXPECT_EQ(AfxTitleFromExecutable("/a.b/tool.v2.bin"), CString("tool.v2"));
  const CWinApp app;
  EXPECT_EQ(app.m_pszAppName, CString("platform_tests"));
}

TEST(FileDialogNames, FilterAndNamesFollowTheChosenPath) {
  const auto filters = AfxParseFileFilter("Windows Bitmap (*.bmp)|*.bmp||");
  ASSERT_EQ(filters.size(), 1u);
  EXPECT_EQ(filters[0].description, CString("Windows Bitmap (*.bmp)"));
  EXPECT_EQ(filters[0].pattern, CString("*.bmp"));
  EXPECT_EQ(AfxParseFileFilter("A|*.a|B|*.b;*.c||").size(), 2u);
  EXPECT_TRUE(AfxParseFileFilter(nullptr).empty());
}

TEST_F(FrameworkTest, TheOpenDialogHandsBackPathNameAndTitle) {
  const struct {
    const char *path, *name, *title;
  } cases[] = {
      {"/pics/sunset.bmp", "sunset.bmp", "sunset"},
      {"/pics/clock.face.bmp", "clock.face.bmp", "clock.face"},
      {"/pics/sunset", "sunset", "sunset"},
      {"/pi.cs/sunset", "sunset", "sunset"},
  };
  for (const auto& c : cases) {
    desktop.ChooseFile(c.path);
    CFileDialog dialog(true, nullptr, nullptr, 0, "Windows Bitmap (*.bmp)|*.bmp||");
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetPathName(), CString(c.path));
    EXPECT_EQ(dialog.GetFileName(), CString(c.name));
    EXPECT_EQ(dialog.GetFileTitle(), CString(c.title));
  }
  desktop.CancelOpen();
  CFileDialog cancelled(true, nullptr, nullptr, 0, "Windows Bitmap (*.bmp)|*.bmp||");
  EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
  ASSERT_EQ(desktop.Transcript().back().kind, Shown::openDialog);
  EXPECT_EQ(desktop.Transcript().back().filters.size(), 1u);
  ExpectScriptPlayed();
}

namespace {

// A window whose buttons throw what a handler may let escape.
class ThrowingDialog : public CDialog {
 public:
  ThrowingDialog() : CDialog(res::IDD_ABOUTBOX) {}
  static const MessageMap* ThisMessageMap() {
    static constexpr MessageMapEntry entries[] = {
        OnCommandEntry<&ThrowingDialog::OnOutOfMemory>(10),
        OnCommandEntry<&ThrowingDialog::OnDiskFull>(11),
        OnCommandEntry<&ThrowingDialog::OnCount>(12),
        OnSysCommandEntry<&ThrowingDialog::OnSysCommand>(),
    };
    static const MessageMap map{CDialog::ThisMessageMap(), entries};
    return &map;
  }
  const MessageMap* GetMessageMap() const override { return ThisMessageMap(); }
  int counted = 0;
  std::vector<unsigned> sysCommands;

 private:
  void OnOutOfMemory() { throw std::bad_alloc(); }
  void OnDiskFull() { throw CFileException(CFileException::diskFull, ENOSPC, "/pics/out.pdb"); }
  void OnCount() { ++counted; }
  void OnSysCommand(unsigned id, long) {
    sysCommands.push_back(id);
    if (id != 99) CDialog::OnSysCommand(id, 0);
  }
};

}  // namespace

TEST_F(FrameworkTest, AnExceptionLeavingAHandlerIsReportedOnceAndTheWindowStays) {
  ThrowingDialog dialog;
  desktop.Dialog(res::IDD_ABOUTBOX, {Press(10), Press(11), Press(12), Press(IDOK)});
  EXPECT_EQ(dialog.DoModal(), IDOK);
  ExpectScriptPlayed();
  EXPECT_EQ(dialog.counted, 1);
  const auto boxes = desktop.MessageBoxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0]->text, CString("Nicht gen\xFCgend Speicher."));
  EXPECT_EQ(boxes[1]->text, CString("Der Datentr\xE4ger ist voll: /pics/out.pdb"));
  for (const Shown* box : boxes) {
    EXPECT_EQ(box->type, MB_ICONEXCLAMATION);
    EXPECT_EQ(box->caption, CString("Velmora"));
  }
}

TEST_F(FrameworkTest, MessagesGoToTheFirstTableThatNamesThem) {
  ThrowingDialog dialog;
  // Command 2 is the base's Cancel; the close box's system command reaches it too.
  desktop.Dialog(res::IDD_ABOUTBOX, {SysCommand(99), SysCommand(SC_CLOSE)});
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.sysCommands, (std::vector<unsigned>{99, SC_CLOSE}));
  ExpectScriptPlayed();
}

TEST_F(FrameworkTest, HelpGoesToTheViewerWithTheHelpFileOfTheExecutable) {
  CDialog dialog(res::IDD_ABOUTBOX);
  desktop.Dialog(res::IDD_ABOUTBOX, {Press(ID_HELP), Press(IDCANCEL)});
  dialog.DoModal();
  ExpectScriptPlayed();
  const auto& help = desktop.Transcript().back();
  ASSERT_EQ(help.kind, Shown::help);
  EXPECT_TRUE(help.text.View().ends_with("/platform_tests.HLP")) << help.text;
}

TEST_F(FrameworkTest, ADialogWithoutTemplateCannotBeCreated) {
  CDialog dialog(4711);
  EXPECT_EQ(dialog.DoModal(), -1);
  desktop.FailDialog(res::IDD_ABOUTBOX);
  CDialog failing(res::IDD_ABOUTBOX);
  EXPECT_EQ(failing.DoModal(), -1);
  ExpectScriptPlayed();
}
