// Files a new user might hand the command beyond the usual refusals: each ends in one clear
// message or a correct database, never a hang.
#include "tests/convert/convert_test_support.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

TEST_F(ConvertTest, UnusualSourcesEndInOneClearOutcome) {
  const Bytes picture = MakeSourceBitmap(8);
  const std::string real = Source("real.bmp", picture);
  const std::string huge = Source("huge.bmp", picture);
  std::filesystem::resize_file(huge, std::uintmax_t{2} << 30);  // 2 GiB, sparse, valid header
  std::filesystem::create_symlink(real, dir.File("link.bmp"));
  std::filesystem::create_symlink(dir.File("gone.bmp"), dir.File("dangling.bmp"));
  std::filesystem::create_directory(dir.File("folder.bmp"));
  ASSERT_EQ(::mkfifo(dir.File("fifo.bmp").c_str(), 0600), 0);
  std::filesystem::create_directory(dir.File("TSVO256_taken.pdb"));
  const std::string taken = Source("taken.bmp", picture);
  const std::string clock = Source("\xE6\x99\x82\xE8\xA8\x88.bmp", picture);  // two characters Windows-1252 lacks

  const struct {
    std::string path;
    std::string message;  // the whole text
    std::string output;   // the database written, if any
    const char* ansiTitle;
  } cases[] = {
      {huge, dir.File("TSVO256_huge.pdb") + " created!", dir.File("TSVO256_huge.pdb"), "huge"},
      {dir.File("link.bmp"), dir.File("TSVO256_link.pdb") + " created!", dir.File("TSVO256_link.pdb"), "link"},
      {dir.File("dangling.bmp"), "Error Opening File: " + dir.File("dangling.bmp"), "", nullptr},
      {dir.File("folder.bmp"), "Error Opening File: " + dir.File("folder.bmp"), "", nullptr},
      {dir.File("fifo.bmp"), "Error Opening File: " + dir.File("fifo.bmp"), "", nullptr},
      {"/dev/zero", "Error Opening File: /dev/zero", "", nullptr},
      {taken, "Error Creating File: " + dir.File("TSVO256_taken.pdb"), "", nullptr},
      {clock, dir.Path() + "TSVO256_??.pdb created!", dir.File("TSVO256_\xE6\x99\x82\xE8\xA8\x88.pdb"), "??"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    desktop.Reset();
    ::alarm(10);  // never a hang
    Convert(c.path, c.message.starts_with("Error Opening") ? std::vector<scripted::Action>{}
                                                           : std::vector<scripted::Action>{scripted::Press(IDOK)});
    ::alarm(0);
    ExpectScriptPlayed();
    EXPECT_EQ(OnlyMessage().text, CString(c.message));
    if (!c.output.empty()) {
      EXPECT_EQ(ReadFileBytes(c.output), DatabaseOf(picture, c.ansiTitle, {"No Info", 40, 40}));
      EXPECT_EQ(desktop.Transcript()[1].caption, CString(std::string("Properties of ") + c.ansiTitle));
    }
  }
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("TSVO256_taken.pdb")));
}
