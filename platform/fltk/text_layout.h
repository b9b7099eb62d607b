// How a static text is laid out: lines broken at CR (a lone CR, LF or CR LF), tab-separated
// cells set in columns shared by all lines of the text, the last cell of a line wrapped at
// the width, and "&" marking the access key. Measuring is passed in, so that the layout needs
// no display.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace fltk_desktop {

// A static text with its "&" markers resolved: "&&" is one "&", "&x" shows x underlined.
struct Prefixed {
  std::string text;                        // what is shown, in the program's character set
  std::size_t access = std::string::npos;  // index in text of the underlined character
};
Prefixed ResolvePrefix(std::string_view text, bool noPrefix);

// The lowercase access key of a control's text, or 0 when it has none.
char AccessKey(std::string_view text, bool noPrefix);

// One piece of text on one visual line.
struct Run {
  int x;                   // pixels from the left of the text area
  int line;                // visual line, from 0
  std::size_t begin, end;  // the piece is text[begin, end)
};

struct LayoutOptions {
  int width;    // the text area's width in pixels
  int tabStep;  // columns start at multiples of this many pixels
  bool wrap;    // break the last cell of a line between words at the width
  bool center;  // centre each visual line
};

// Measures the width in pixels of a piece of text in the program's character set.
using Measure = std::function<int(std::string_view)>;

// The runs of the text, in reading order. Characters of text that cannot be shown (CR, LF,
// tab) appear in no run.
std::vector<Run> LayoutText(std::string_view text, const LayoutOptions& options, const Measure& measure);

// The number of visual lines of a layout.
int LineCount(const std::vector<Run>& runs);

}  // namespace fltk_desktop
