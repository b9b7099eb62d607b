#include "platform/charset.h"

#include <gtest/gtest.h>

TEST(Charset, Utf8ToWindows1252) {
  const struct {
    const char* utf8;
    const char* ansi;
  } cases[] = {
      {"sunset", "sunset"},
      {"Gr\xC3\xBC\xC3\x9F"
       "e",
       "Gr\xFC\xDF"
       "e"},                         // ü ß
      {"\xE2\x82\xAC 5", "\x80 5"},  // € lives in 0x80..0x9F
      {"\xC5\x93"
       "uvre",
       "\x9C"
       "uvre"},                            // œ
      {"\xE6\x97\xA5\xE6\x9C\xAC", "??"},  // two characters Windows-1252 lacks
      {"\xF0\x9F\x95\x90", "?"},           // a four-byte character
      {"a\xFF"
       "b",
       "a?b"},        // a byte that is no UTF-8
      {"\xC3", "?"},  // a sequence cut short
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8ToAnsi(c.utf8), CString(c.ansi)) << c.utf8;
}

TEST(Charset, Windows1252ToUtf8RoundTrips) {
  std::string all;
  for (int b = 1; b < 256; ++b) {
    if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) continue;  // undefined
    all += static_cast<char>(b);
  }
  EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)).Str(), all);
  EXPECT_EQ(AnsiToUtf8("\x81"), "\xEF\xBF\xBD");
}

TEST(Charset, NameLeftNeverCutsACharacter) {
  // 21 ASCII letters, then a two-byte and a three-byte character.
  const CString name = CString(std::string(21, 'a')) +
                       "\xC3\xA9\xE2\x82\xAC"
                       "zz";
  EXPECT_EQ(AfxNameLeft(name, 22), CString(std::string(21, 'a')) + "\xC3\xA9");
  EXPECT_EQ(AfxNameLeft(name, 23), CString(std::string(21, 'a')) + "\xC3\xA9\xE2\x82\xAC");
  EXPECT_EQ(AfxNameLeft("short", 22), CString("short"));
  EXPECT_EQ(AfxNameToAnsi(AfxNameLeft(name, 22)), CString(std::string(21, 'a')) + "\xE9");
}
