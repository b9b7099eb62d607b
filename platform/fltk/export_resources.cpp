// Writes, at build time, what the installed program carries of its resources besides the
// windows: the icon as PNG files for the desktop's menus, and the version block as a source
// file that puts its texts into a named section of the executable.
//
//   velmora_export icon SIZE FILE.png
//   velmora_export version FILE.cpp
#include "platform/charset.h"
#include "platform/fltk/icon_pixels.h"
#include "res/resources.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void PutBE32(Bytes& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  std::uint32_t c = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < size; ++i) c = table[(c ^ data[i]) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

void PutChunk(Bytes& png, const char type[4], const Bytes& data) {
  PutBE32(png, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = png.size();
  png.insert(png.end(), type, type + 4);
  png.insert(png.end(), data.begin(), data.end());
  PutBE32(png, Crc32(png.data() + start, png.size() - start));
}

// An 8-bit RGB PNG; the pixels go uncompressed, in stored deflate blocks.
Bytes Png(int width, int height, const Bytes& rgb) {
  Bytes raw;  // each row: filter type 0, then the row's pixels
  const auto rowBytes = static_cast<std::size_t>(width) * 3;
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);
    raw.insert(raw.end(), rgb.begin() + static_cast<std::ptrdiff_t>(y * rowBytes),
               rgb.begin() + static_cast<std::ptrdiff_t>((y + 1) * rowBytes));
  }
  Bytes z = {0x78, 0x01};
  for (std::size_t at = 0; at < raw.size() || at == 0;) {
    const std::size_t n = std::min<std::size_t>(raw.size() - at, 0xFFFF);
    const bool last = at + n == raw.size();
    z.push_back(last ? 1 : 0);
    z.push_back(static_cast<std::uint8_t>(n));
    z.push_back(static_cast<std::uint8_t>(n >> 8));
    z.push_back(static_cast<std::uint8_t>(~n));
    z.push_back(static_cast<std::uint8_t>(~n >> 8));
    z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(at), raw.begin() + static_cast<std::ptrdiff_t>(at + n));
    at += n;
    if (last) break;
  }
  std::uint32_t a = 1, b = 0;
  for (const std::uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  PutBE32(z, (b << 16) | a);

  Bytes header;
  PutBE32(header, static_cast<std::uint32_t>(width));
  PutBE32(header, static_cast<std::uint32_t>(height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter choice, no interlace

  Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", z);
  PutChunk(png, "IEND", {});
  return png;
}

// A C++ string literal of bytes, every byte outside printable ASCII as an octal escape.
std::string Literal(const std::string& bytes) {
  std::string out = "\"";
  for (const char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\' && c != '?') {
      out += ch;
    } else {
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\%03o", c);
      out += escape;
    }
  }
  return out + "\"";
}

std::string VersionSource(const VersionBlock& v) {
  char translation[16];
  std::snprintf(translation, sizeof translation, "%04X %04X", v.language, v.codePage);
  const std::pair<const char*, const char*> entries[] = {
      {"FileVersion", v.fileVersionText},
      {"ProductVersion", v.productVersionText},
      {"CompanyName", v.companyName},
      {"FileDescription", v.fileDescription},
      {"InternalName", v.internalName},
      {"LegalCopyright", v.legalCopyright},
      {"OriginalFilename", v.originalFilename},
      {"ProductName", v.productName},
      {"Translation", translation},
  };
  std::string source =
      "// Written by velmora_export from the program's version block: its texts, one per\n"
      "// line in UTF-8, in the section .velmora.version (readelf -p .velmora.version).\n"
      "extern const char kVelmoraVersion[];\n"
      "[[gnu::used, gnu::section(\".velmora.version\")]] const char kVelmoraVersion[] =\n";
  for (const auto& [name, value] : entries) {
    source += "    " + Literal(std::string(name) + "=" + AnsiToUtf8(value ? value : "") + '\0') + "\n";
  }
  return source + "    ;\n";
}

bool WriteFile(const char* path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out.flush());
}

int Fail(const char* what) {
  std::fprintf(stderr, "velmora_export: %s\n", what);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const ResourceTable& table = res::Table();
  AfxSetResources(table);
  const std::string verb = argc > 1 ? argv[1] : "";
  if (verb == "icon" && argc == 4) {
    const IconGroup* icon = AfxFindIcon(res::IDR_MAINFRAME);
    if (!icon) return Fail("the program has no icon");
    const IconImage* image = fltk_desktop::IconOfSize(*icon, std::atoi(argv[2]));
    if (!image) return Fail("the icon has no picture");
    const Bytes png = Png(image->width, image->height, fltk_desktop::IconRgb(*image));
    return WriteFile(argv[3], std::string(png.begin(), png.end())) ? 0 : Fail("cannot write the PNG file");
  }
  if (verb == "version" && argc == 3) {
    if (!AfxVersionBlock()) return Fail("the program has no version block");
    return WriteFile(argv[2], VersionSource(*AfxVersionBlock())) ? 0 : Fail("cannot write the source file");
  }
  return Fail("usage: velmora_export icon SIZE FILE.png | version FILE.cpp");
}
