#include "platform/fltk/text_layout.h"

#include <algorithm>
#include <cctype>

namespace fltk_desktop {

namespace {

struct Span {
  std::size_t begin, end;
};

// The lines of a text: broken at a lone CR, a lone LF and CR LF.
std::vector<Span> SplitLines(std::string_view text) {
  std::vector<Span> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back({start, i});
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  lines.push_back({start, text.size()});
  return lines;
}

std::vector<Span> SplitCells(std::string_view text, Span line) {
  std::vector<Span> cells;
  std::size_t start = line.begin;
  for (std::size_t i = line.begin; i < line.end; ++i) {
    if (text[i] == '\t') {
      cells.push_back({start, i});
      start = i + 1;
    }
  }
  cells.push_back({start, line.end});
  return cells;
}

// The first tab stop to the right of x.
int NextStop(int x, int step) { return step > 0 ? (x / step + 1) * step : x; }

}  // namespace

Prefixed ResolvePrefix(std::string_view text, bool noPrefix) {
  Prefixed result;
  if (noPrefix) {
    result.text = text;
    return result;
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) {
      ++i;
      if (text[i] != '&' && result.access == std::string::npos) result.access = result.text.size();
    }
    result.text += text[i];
  }
  return result;
}

char AccessKey(std::string_view text, bool noPrefix) {
  const Prefixed p = ResolvePrefix(text, noPrefix);
  if (p.access == std::string::npos) return 0;
  return static_cast<char>(std::tolower(static_cast<unsigned char>(p.text[p.access])));
}

std::vector<Run> LayoutText(std::string_view text, const LayoutOptions& options, const Measure& measure) {
  const auto width = [&](std::size_t b, std::size_t e) { return measure(text.substr(b, e - b)); };

  std::vector<std::vector<Span>> lines;
  for (const Span line : SplitLines(text)) lines.push_back(SplitCells(text, line));

  // Column k starts at the first tab stop right of the widest cell k-1 that a tab ends.
  std::vector<int> columns{0};
  for (std::size_t k = 1;; ++k) {
    int widest = -1;
    for (const auto& cells : lines) {
      if (cells.size() > k) widest = std::max(widest, width(cells[k - 1].begin, cells[k - 1].end));
    }
    if (widest < 0) break;
    columns.push_back(NextStop(columns[k - 1] + widest, options.tabStep));
  }

  std::vector<Run> runs;
  int line = 0;
  for (const auto& cells : lines) {
    for (std::size_t k = 0; k + 1 < cells.size(); ++k) {
      if (cells[k].begin < cells[k].end) runs.push_back({columns[k], line, cells[k].begin, cells[k].end});
    }
    // The last cell wraps between words; a word wider than the room breaks between characters.
    const int x = columns[cells.size() - 1];
    const int room = options.width - x;
    std::size_t pos = cells.back().begin;
    const std::size_t end = cells.back().end;
    while (pos < end) {
      if (!options.wrap || width(pos, end) <= room) {
        runs.push_back({x, line, pos, end});
        break;
      }
      std::size_t cut = std::string::npos;
      for (std::size_t j = pos + 1; j <= end; ++j) {
        if (j < end && text[j] != ' ') continue;
        if (width(pos, j) > room) break;
        cut = j;
      }
      if (cut == std::string::npos) {
        cut = pos + 1;
        while (cut < end && width(pos, cut + 1) <= room) ++cut;
      }
      runs.push_back({x, line, pos, cut});
      ++line;
      pos = cut;
      while (pos < end && text[pos] == ' ') ++pos;
    }
    ++line;
  }

  if (options.center) {
    for (auto first = runs.begin(); first != runs.end();) {
      const auto last = std::find_if(first, runs.end(), [&](const Run& r) { return r.line != first->line; });
      const Run& right = *(last - 1);
      const int extent = right.x + width(right.begin, right.end);
      for (auto r = first; r != last; ++r) r->x += (options.width - extent) / 2;
      first = last;
    }
  }
  return runs;
}

int LineCount(const std::vector<Run>& runs) { return runs.empty() ? 0 : runs.back().line + 1; }

}  // namespace fltk_desktop
