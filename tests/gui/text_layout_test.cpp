// How the real desktop lays out a static text, measured here in a font whose every character
// is 6 pixels wide: CR breaks lines, tab cells line up in shared columns, long lines wrap
// between words, and "&" marks the access key.
#include "platform/fltk/text_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace fltk_desktop {
namespace {

int Fixed(std::string_view s) { return 6 * static_cast<int>(s.size()); }

std::string Piece(std::string_view text, const Run& r) { return std::string(text.substr(r.begin, r.end - r.begin)); }

TEST(TextLayout, TabCellsLineUpInColumnsAndCrBreaksTheLine) {
  const std::string_view text = "Formats:\r\r\tType:\tWindows Bitmap\r\tHeight:\t160\r\n\tColors:\t16";
  const auto runs = LayoutText(text, {400, 48, true, false}, Fixed);
  ASSERT_EQ(runs.size(), 7u);
  EXPECT_EQ(Piece(text, runs[0]), "Formats:");
  EXPECT_EQ(runs[0].line, 0);
  // The labels start at the first stop; the values at the first stop past the widest label.
  for (const int label : {1, 3, 5}) {
    EXPECT_EQ(runs[label].x, 48) << Piece(text, runs[label]);
    EXPECT_EQ(runs[label + 1].x, 96) << Piece(text, runs[label + 1]);
    EXPECT_EQ(runs[label + 1].line, runs[label].line);
  }
  EXPECT_EQ(runs[1].line, 2);  // after an empty line
  EXPECT_EQ(runs[5].line, 4);  // CR LF is one break
}

TEST(TextLayout, LongLinesWrapBetweenWordsAndCentreWhenAsked) {
  const std::string_view text = "one two three four";
  const auto runs = LayoutText(text, {54, 48, true, true}, Fixed);
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(Piece(text, runs[0]), "one two");  // 42 pixels of 54
  EXPECT_EQ(Piece(text, runs[1]), "three");
  EXPECT_EQ(Piece(text, runs[2]), "four");
  EXPECT_EQ(runs[0].x, 6);
  EXPECT_EQ(runs[2].line, 2);
  EXPECT_EQ(LineCount(runs), 3);

  const std::string_view word = "abcdefghijklmn";  // wider than the room: cut between characters
  const auto cut = LayoutText(word, {60, 48, true, false}, Fixed);
  ASSERT_EQ(cut.size(), 2u);
  EXPECT_EQ(Piece(word, cut[0]), "abcdefghij");
}

TEST(TextLayout, AnAmpersandMarksTheAccessKeyUnlessTheTextHasNoPrefix) {
  EXPECT_EQ(ResolvePrefix("E&xit", false).text, "Exit");
  EXPECT_EQ(ResolvePrefix("E&xit", false).access, 1u);
  EXPECT_EQ(ResolvePrefix("Salt && &Pepper", false).text, "Salt & Pepper");
  EXPECT_EQ(ResolvePrefix("Salt && &Pepper", false).access, 7u);
  EXPECT_EQ(ResolvePrefix("A&B", true).text, "A&B");
  EXPECT_EQ(AccessKey("&Image Info:", false), 'i');
  EXPECT_EQ(AccessKey("&OK", true), 0);
  EXPECT_EQ(AccessKey("OK", false), 0);
}

}  // namespace
}  // namespace fltk_desktop
