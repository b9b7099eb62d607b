// Fuzzes the integer exchange's reading of a control's text against a plain statement of
// its rules: at most 31 characters, blanks, a sign, digits, blanks; held to 32 bits; no -0.
#include "platform/wnd.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::optional<int> parsed = ParseDialogInt(CString(text));

  const std::string seen = text.substr(0, 31);
  const std::size_t start = seen.find_first_not_of(" \t");
  const std::size_t end = seen.find_last_not_of(" \t");
  bool well = start != std::string::npos;
  std::string number = well ? seen.substr(start, end - start + 1) : "";
  const bool sign = !number.empty() && (number[0] == '+' || number[0] == '-');
  const std::string digits = sign ? number.substr(1) : number;
  well = well && !digits.empty() && digits.find_first_not_of("0123456789") == std::string::npos;
  long long value = 0;
  if (well) {
    for (const char c : digits) value = value > INT_MAX ? value : value * 10 + (c - '0');
    if (number[0] == '-') value = -value;
    if (value == 0 && number[0] != '0') well = false;
  }
  if (parsed.has_value() != well) std::abort();
  if (parsed && *parsed != static_cast<int>(value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : value)) {
    std::abort();
  }
  return 0;
}
