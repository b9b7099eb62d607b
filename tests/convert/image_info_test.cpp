// The image information dialog as the person meets it, inside a whole conversion.
#include "tests/convert/convert_test_support.h"

using scripted::Look;
using scripted::Press;
using scripted::Type;
using scripted::Window;

namespace {

// The origin and text that a database holds: record 2 and record 3 of an 8-bit database.
struct Written {
  int x, y;
  std::string info;
};
Written WrittenIn(const Bytes& db) {
  constexpr std::size_t kOrigin = 26752;
  return {db[kOrigin] << 8 | db[kOrigin + 1], db[kOrigin + 2] << 8 | db[kOrigin + 3],
          std::string(db.begin() + kOrigin + 4, db.end())};
}

}  // namespace

TEST_F(ConvertTest, WhatThePersonEntersIsLimitedToWhatTheDatabaseHolds) {
  const std::string text300(300, 'T');
  const std::string text255(255, 'F');
  std::string breaks;  // 120 lines of "ab": 480 bytes with their CR LF
  for (int i = 0; i < 120; ++i) breaks += "ab\r\n";
  const struct {
    const char *x, *y;
    std::string info;
    Written written;
  } cases[] = {
      {"40", "40", "No Info", {40, 40, "No Info"}},
      {"150", "100", "", {99, 99, ""}},
      {"99", "0", "x", {99, 0, "x"}},
      {"-5", "007", "y", {0, 7, "y"}},
      {"+7", " \t7 ", "z", {7, 7, "z"}},
      {"2147483648", "-99999999999", "z", {99, 0, "z"}},
      {"1", "2", text300, {1, 2, text300.substr(0, 255)}},
      {"1", "2", text255, {1, 2, text255}},
      {"1", "2", breaks, {1, 2, breaks.substr(0, 255)}},
      {"1", "2", "line one\r\nline two", {1, 2, "line one\r\nline two"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.x) + " " + c.y);
    desktop.Reset();
    const std::string path = Source("face.bmp", MakeSourceBitmap(8));
    Convert(path, {Type(res::IDC_X, c.x), Type(res::IDC_Y, c.y), Type(res::IDC_INFO, CString(c.info)), Press(IDOK)});
    ExpectScriptPlayed();
    EXPECT_EQ(OnlyMessage().type, MB_ICONEXCLAMATION);
    const Written w = WrittenIn(ReadFileBytes(dir.File("TSVO256_face.pdb")));
    EXPECT_EQ(w.x, c.written.x);
    EXPECT_EQ(w.y, c.written.y);
    EXPECT_EQ(w.info, c.written.info);
  }
}

TEST_F(ConvertTest, TheDialogOpensWithItsCaptionAndInitialValues) {
  Convert(Source("sunset.bmp", MakeSourceBitmap(4)), {Look([](const Window& w) {
                                                        EXPECT_EQ(w.caption, CString("Properties of sunset"));
                                                        EXPECT_EQ(w.Text(res::IDC_X), CString("40"));
                                                        EXPECT_EQ(w.Text(res::IDC_Y), CString("40"));
                                                        EXPECT_EQ(w.Text(res::IDC_INFO), CString("No Info"));
                                                      }),
                                                      Press(IDOK)});
  ExpectScriptPlayed();
  EXPECT_EQ(desktop.Transcript()[1].caption, CString("Properties of sunset"));
}

TEST_F(ConvertTest, ANumberThatCannotBeReadIsRefusedOnceAndTheDialogStays) {
  const struct {
    int control;
    const char* text;
  } cases[] = {
      {res::IDC_X, ""},   {res::IDC_X, "12a"}, {res::IDC_X, "abc"},
      {res::IDC_X, "-0"}, {res::IDC_Y, "+0"},  {res::IDC_Y, "1 2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    desktop.Reset();
    const std::string path = Source("face.bmp", MakeSourceBitmap(8));
    std::size_t boxesAtLook = 0;
    Convert(path, {Type(res::IDC_INFO, "first try"), Type(c.control, c.text), Press(IDOK), Look([&](const Window& w) {
                     boxesAtLook = desktop.MessageBoxes().size();
                     EXPECT_TRUE(w.open);
                     EXPECT_EQ(w.focus, c.control);
                     EXPECT_TRUE(w.selected);
                     EXPECT_EQ(w.Text(c.control), CString(c.text));  // all the person typed is still there
                   }),
                   Type(c.control, "5"), Press(IDOK)});
    ExpectScriptPlayed();
    EXPECT_EQ(boxesAtLook, 1u);
    const auto boxes = desktop.MessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0]->text, CString("Geben Sie bitte eine ganze Zahl ein."));
    EXPECT_EQ(boxes[0]->type, MB_ICONEXCLAMATION);
    EXPECT_EQ(boxes[1]->text, CString(dir.File("TSVO256_face.pdb") + " created!"));
    const Written w = WrittenIn(ReadFileBytes(dir.File("TSVO256_face.pdb")));
    EXPECT_EQ(w.info, "first try");
  }
}

TEST_F(ConvertTest, CancelEndsTheDialogWithoutReadingIt) {
  const std::string path = Source("face.bmp", MakeSourceBitmap(8));
  Convert(path, {Type(res::IDC_X, "not a number"), Press(IDCANCEL)});
  ExpectScriptPlayed();
  EXPECT_TRUE(desktop.MessageBoxes().empty());
  EXPECT_FALSE(FileExists(dir.File("TSVO256_face.pdb")));
}
