// Sources made the way a person's image editor makes them: ImageMagick's convert.
#include "tests/convert/convert_test_support.h"

#include <cstdlib>

using scripted::Shown;

namespace {

// Writes a picture with ImageMagick; the test fails when convert cannot be run.
void MakeWithImageMagick(const std::string& arguments, const std::string& path) {
  const std::string command = "convert -size 160x160 " + arguments + "'" + path + "' 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

}  // namespace

TEST_F(ConvertTest, UncompressedPicturesFromAnImageEditorAreConverted) {
  const struct {
    const char* arguments;
    const char* output;
  } cases[] = {
      {"gradient:black-white -colors 16 -type Palette -compress none BMP3:", "TSVO16_editor.pdb"},
      {"plasma:red-blue -seed 7 -colors 200 -type Palette -compress none BMP3:", "TSVO256_editor.pdb"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    desktop.Reset();
    const std::string path = dir.File("editor.bmp");
    MakeWithImageMagick(c.arguments, path);
    Convert(path);
    ExpectScriptPlayed();
    const std::string output = dir.File(c.output);
    EXPECT_EQ(OnlyMessage().text, CString(output + " created!"));
    EXPECT_EQ(ReadFileBytes(output), DatabaseOf(ReadFileBytes(path), "editor", {"No Info", 40, 40}));
  }
}

TEST_F(ConvertTest, OtherHeadersAndCompressionFromAnImageEditorAreRefused) {
  const struct {
    const char* arguments;
    const char* message;
  } cases[] = {
      // The default header is the larger modern one, which moves the pixel data.
      {"plasma: -colors 200 -type Palette -compress none BMP:", "Wrong Format: "},
      {"gradient:black-white -colors 16 -type Palette -compress none BMP:", "Wrong Format: "},
      {"plasma: -colors 200 -type Palette -compress RLE BMP3:", "Cannot convert compressed bitmap: "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    desktop.Reset();
    const std::string path = dir.File("editor.bmp");
    MakeWithImageMagick(c.arguments, path);
    Convert(path, {});
    ExpectScriptPlayed();
    const Shown box = OnlyMessage();
    EXPECT_EQ(box.text, CString(c.message + path));
    EXPECT_EQ(box.type, MB_ICONHAND);
  }
}
