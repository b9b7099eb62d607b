// Choosing and loading a source: every refusal, the names, and what is held while a message
// is up.
#include "tests/convert/convert_test_support.h"

#include "platform/charset.h"
#include "platform/file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include <functional>

using scripted::Press;
using scripted::Shown;

namespace {

struct Spoiled {
  const char* what;
  int depth;
  std::function<void(Bytes&)> spoil;
  const char* message;
};

}  // namespace

TEST_F(ConvertTest, EachRefusedHeaderGivesOnlyTheFirstFailingCheck) {
  const Spoiled cases[] = {
      {"no BM signature", 8, [](Bytes& b) { b[1] = 'A'; }, "No Windows Bitmap File: "},
      {"100 x 100 with 24 bits", 8,
       [](Bytes& b) {
         PutLe32(b, 18, 100);
         PutLe32(b, 22, 100);
         PutLe16(b, 28, 24);
         PutLe32(b, 34, 30000);
       },
       "Wrong Width: "},
      {"width 161", 4, [](Bytes& b) { PutLe32(b, 18, 161); }, "Wrong Width: "},
      {"top-down, height -160", 8, [](Bytes& b) { PutLe32(b, 22, static_cast<std::uint32_t>(-160)); },
       "Wrong Height: "},
      {"two planes", 8, [](Bytes& b) { PutLe16(b, 26, 2); }, "Wrong Planes Format: "},
      {"1 bit", 8, [](Bytes& b) { PutLe16(b, 28, 1); }, "Wrong Color Depth: "},
      {"24 bits", 8, [](Bytes& b) { PutLe16(b, 28, 24); }, "Wrong Color Depth: "},
      {"depth in the high byte", 8, [](Bytes& b) { PutLe16(b, 28, 0x0108); }, "Wrong Color Depth: "},
      {"run-length compressed", 8, [](Bytes& b) { PutLe32(b, 30, 1); }, "Cannot convert compressed bitmap: "},
      {"compression in the high byte", 4, [](Bytes& b) { PutLe32(b, 30, 0x01000000); },
       "Cannot convert compressed bitmap: "},
      {"pixel size field 0", 4, [](Bytes& b) { PutLe32(b, 34, 0); }, "Wrong Format: "},
      {"a palette of 200 colours", 8,
       [](Bytes& b) {
         PutLe32(b, 10, 54 + 4 * 200);
         PutLe32(b, 2, 54 + 4 * 200 + 25600);
       },
       "Wrong Format: "},
      {"file size one more", 4, [](Bytes& b) { PutLe32(b, 2, 12919); }, "Wrong Format: "},
      {"a 4-bit header on an 8-bit layout", 8, [](Bytes& b) { PutLe16(b, 28, 4); }, "Wrong Format: "},
  };
  for (const Spoiled& c : cases) {
    SCOPED_TRACE(c.what);
    desktop.Reset();
    Bytes bytes = MakeSourceBitmap(c.depth);
    c.spoil(bytes);
    const std::string path = Source("picture.bmp", bytes);
    Convert(path, {});
    const Shown box = OnlyMessage();
    EXPECT_EQ(box.text, CString(c.message + path));
    EXPECT_EQ(box.type, MB_ICONHAND);
    EXPECT_EQ(box.caption, CString("Velmora"));
    EXPECT_FALSE(InfoDialogShown());
    EXPECT_FALSE(FileExists(dir.File("TSVO16_picture.pdb")) || FileExists(dir.File("TSVO256_picture.pdb")));
    ExpectScriptPlayed();
  }
}

TEST_F(ConvertTest, FilesTooShortToReadAreReportedAsReadErrors) {
  const Bytes whole8 = MakeSourceBitmap(8);
  const Bytes whole4 = MakeSourceBitmap(4);
  std::vector<Bytes> shortFiles;
  for (std::ptrdiff_t n = 0; n <= 53; ++n) shortFiles.emplace_back(whole8.begin(), whole8.begin() + n);
  shortFiles.emplace_back(whole8.begin(), whole8.end() - 1);  // the header passes; the rest is short
  shortFiles.emplace_back(whole4.begin(), whole4.end() - 1);
  for (const Bytes& bytes : shortFiles) {
    SCOPED_TRACE(bytes.size());
    desktop.Reset();
    const std::string path = Source("short.bmp", bytes);
    Convert(path, {});
    const Shown box = OnlyMessage();
    EXPECT_EQ(box.text, CString("Error Reading File: " + path));
    EXPECT_EQ(box.type, MB_ICONHAND);
    ExpectScriptPlayed();
  }
}

TEST_F(ConvertTest, WhatCannotBeOpenedIsReportedAtOnce) {
  const std::string fifo = dir.File("pipe.bmp");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string held = Source("held.bmp", MakeSourceBitmap(8));
  CFile holder(held.c_str(), CFile::modeRead);  // another program holds it unshared
  for (const std::string& path : {dir.File("missing.bmp"), dir.Path(), fifo, std::string("/dev/zero"), held}) {
    SCOPED_TRACE(path);
    desktop.Reset();
    ::alarm(5);  // a FIFO or device must never leave the window waiting
    Convert(path, {});
    ::alarm(0);
    const Shown box = OnlyMessage();
    EXPECT_EQ(box.text, CString("Error Opening File: " + path));
    EXPECT_EQ(box.type, MB_ICONHAND);
    ExpectScriptPlayed();
  }
}

TEST_F(ConvertTest, CancelInTheOpenDialogEndsWithoutAWord) {
  desktop.CancelOpen();
  ConvertBitmap();
  ASSERT_EQ(desktop.Transcript().size(), 1u);
  const Shown& open = desktop.Transcript().front();
  EXPECT_EQ(open.kind, Shown::openDialog);
  ASSERT_EQ(open.filters.size(), 1u);
  EXPECT_EQ(open.filters[0].description, CString("Windows Bitmap (*.bmp)"));
  EXPECT_EQ(open.filters[0].pattern, CString("*.bmp"));
  ExpectScriptPlayed();
}

TEST_F(ConvertTest, NamesComeFromTheChosenFile) {
  const std::string title30 = "abcdefghijklmnopqrstuvwxyz0123";
  const std::string title22 = title30.substr(0, 22);
  // 20 letters, then ü and € (two and three bytes), then more: 22 characters end after €.
  const std::string wide22 = "Zifferblatt_Morgenrot\xC3\xBC";
  const struct {
    const char* file;
    int depth;
    std::string title;       // as the file system has it
    std::string outputName;  // in the same folder
    std::string ansiTitle;   // in the caption and the database
  } cases[] = {
      {"sunset.bmp", 8, "sunset", "TSVO256_sunset.pdb", "sunset"},
      {"clock.face.bmp", 4, "clock.face", "TSVO16_clock.face.pdb", "clock.face"},
      {"sunset", 8, "sunset", "TSVO256_sunset.pdb", "sunset"},
      {"picture.txt", 4, "picture", "TSVO16_picture.pdb", "picture"},
      {"abcdefghijklmnopqrstuvwxyz0123.bmp", 8, title22, "TSVO256_" + title22 + ".pdb", title22},
      {"Zifferblatt_Morgenrot\xC3\xBC\xE2\x82\xAC"
       "abc.bmp",
       4, wide22, "TSVO16_" + wide22 + ".pdb", "Zifferblatt_Morgenrot\xFC"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    desktop.Reset();
    const Bytes bytes = MakeSourceBitmap(c.depth);
    const std::string output = dir.File(c.outputName);
    Convert(Source(c.file, bytes));
    ExpectScriptPlayed();
    const Shown box = OnlyMessage();
    EXPECT_EQ(box.text, CString(AfxNameToAnsi(CString(output)) + " created!"));
    EXPECT_EQ(box.type, MB_ICONEXCLAMATION);
    EXPECT_EQ(desktop.Transcript()[1].caption, CString("Properties of " + c.ansiTitle));
    EXPECT_EQ(ReadFileBytes(output), DatabaseOf(bytes, CString(c.ansiTitle), {"No Info", 40, 40}));
    std::filesystem::remove(output);
  }
}

TEST_F(ConvertTest, OnlyTheContentsCountNotWhatFollowsThem) {
  Bytes bytes = MakeSourceBitmap(8);
  const Bytes exact = bytes;
  bytes.insert(bytes.end(), 1000, 0xAB);
  Convert(Source("longer", bytes));
  ExpectScriptPlayed();
  EXPECT_EQ(OnlyMessage().type, MB_ICONEXCLAMATION);
  EXPECT_EQ(ReadFileBytes(dir.File("TSVO256_longer.pdb")), DatabaseOf(exact, "longer", {"No Info", 40, 40}));
}

TEST_F(ConvertTest, TheSourceIsHeldWhileARefusalIsUpAndClosedBeforeAReadError) {
  struct Case {
    const char* what;
    Bytes bytes;
    bool heldWhileUp;
    bool converts;
  };
  Bytes refused = MakeSourceBitmap(8);
  PutLe32(refused, 18, 100);
  const Bytes whole = MakeSourceBitmap(8);
  const Case cases[] = {
      {"a check fails", refused, true, false},
      {"fewer than 54 bytes", Bytes(whole.begin(), whole.begin() + 20), false, false},
      {"one byte short", Bytes(whole.begin(), whole.end() - 1), false, false},
      {"converted", whole, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    desktop.Reset();
    const std::string path = Source("held.bmp", c.bytes);
    std::vector<bool> held;
    desktop.whileMessageBoxUp = [&](const Shown&) { held.push_back(HeldOpen(path)); };
    Convert(path, c.converts ? std::vector<scripted::Action>{Press(IDOK)} : std::vector<scripted::Action>{});
    ExpectScriptPlayed();
    EXPECT_EQ(held, std::vector<bool>{c.heldWhileUp});
    EXPECT_FALSE(HeldOpen(path));
  }
}
