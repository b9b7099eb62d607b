// The second half of a conversion: creating, writing and reporting the database.
#include "tests/convert/convert_test_support.h"

#include "platform/file.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

using scripted::Press;
using scripted::Shown;
using scripted::Type;

TEST_F(ConvertTest, SuccessShowsTheOutputPathWithTheExclamationMark) {
  const Bytes bytes = MakeSourceBitmap(8);
  Convert(Source("sunset.bmp", bytes));
  ExpectScriptPlayed();
  const Shown box = OnlyMessage();
  EXPECT_EQ(box.text, CString(dir.File("TSVO256_sunset.pdb") + " created!"));
  EXPECT_EQ(box.type, MB_ICONEXCLAMATION);
  EXPECT_EQ(box.caption, CString("Velmora"));
  EXPECT_EQ(ReadFileBytes(dir.File("TSVO256_sunset.pdb")), DatabaseOf(bytes, "sunset", {"No Info", 40, 40}));
}

TEST_F(ConvertTest, CancelCreatesNothingAndLeavesAnExistingFileAsItWas) {
  const std::string output = dir.File("TSVO16_face.pdb");
  const Bytes mine = {'m', 'i', 'n', 'e'};
  WriteFileBytes(output, mine);
  Convert(Source("face.bmp", MakeSourceBitmap(4)), {Press(IDCANCEL)});
  ExpectScriptPlayed();
  EXPECT_TRUE(desktop.MessageBoxes().empty());
  EXPECT_EQ(ReadFileBytes(output), mine);
}

TEST_F(ConvertTest, ADialogThatCannotBeCreatedWritesTheInitialValues) {
  const Bytes bytes = MakeSourceBitmap(4);
  desktop.ChooseFile(CString(Source("face.bmp", bytes)));
  desktop.FailDialog(res::IDD_IMAGE_INFO);
  ConvertBitmap();
  ExpectScriptPlayed();
  EXPECT_EQ(OnlyMessage().text, CString(dir.File("TSVO16_face.pdb") + " created!"));
  EXPECT_EQ(ReadFileBytes(dir.File("TSVO16_face.pdb")), DatabaseOf(bytes, "face", {"No Info", 40, 40}));
}

TEST_F(ConvertTest, AnOutputThatCannotBeCreatedIsReportedAndLeftAlone) {
  const std::string output = dir.File("TSVO256_face.pdb");
  const Bytes mine = {'m', 'i', 'n', 'e'};
  const struct {
    const char* what;
    std::function<std::unique_ptr<CFile>()> prepare;  // may hold the file open
  } cases[] = {
      {"read-only",
       [&] {
         WriteFileBytes(output, mine);
         ::chmod(output.c_str(), 0444);
         return std::unique_ptr<CFile>();
       }},
      {"held by another program",
       [&] {
         ::chmod(output.c_str(), 0644);
         WriteFileBytes(output, mine);
         return std::make_unique<CFile>(output.c_str(), CFile::modeRead);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    desktop.Reset();
    const auto holder = c.prepare();
    Convert(Source("face.bmp", MakeSourceBitmap(8)));
    ExpectScriptPlayed();
    const Shown box = OnlyMessage();
    EXPECT_EQ(box.text, CString("Error Creating File: " + output));
    EXPECT_EQ(box.type, MB_ICONHAND);
    EXPECT_EQ(ReadFileBytes(output), mine);
  }
}

TEST_F(ConvertTest, AWritableFileAtTheOutputPathIsReplaced) {
  const std::string output = dir.File("TSVO16_face.pdb");
  WriteFileBytes(output, Bytes(40000, 0x55));  // longer than the database
  const Bytes bytes = MakeSourceBitmap(4);
  Convert(Source("face.bmp", bytes), {Type(res::IDC_INFO, ""), Press(IDOK)});
  ExpectScriptPlayed();
  EXPECT_EQ(OnlyMessage().text, CString(output + " created!"));
  EXPECT_EQ(ReadFileBytes(output), DatabaseOf(bytes, "face", {"", 40, 40}));
}

TEST_F(ConvertTest, ADiskThatFillsUpGivesAWriteErrorAndKeepsTheShorterFile) {
  const std::string source = Source("face.bmp", MakeSourceBitmap(8));
  const std::string output = dir.File("TSVO256_face.pdb");
  constexpr rlim_t kLimit = 20000;  // inside record 0
  const pid_t pid = ::fork();
  if (pid == 0) {
    // In the child: a file-size limit stands in for a full disk.
    (void)std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{kLimit, kLimit};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    Convert(source);
    const auto boxes = desktop.MessageBoxes();
    const bool asExpected = desktop.Problems().empty() && boxes.size() == 1 &&
                            boxes[0]->text == CString("Error Writing File: " + output) && boxes[0]->type == MB_ICONHAND;
    _exit(asExpected ? 0 : 1);
  }
  int status = -1;
  ::waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child saw another outcome";
  EXPECT_EQ(ReadFileBytes(output).size(), kLimit);
  EXPECT_FALSE(HeldOpen(output));
}
