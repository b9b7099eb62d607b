// CString: a byte string in the program's one-byte character set (Windows-1252), one byte
// per character. File names are the exception: they hold the file system's bytes until
// they are converted for a record or a caption (see charset.h).
#pragma once

#include <compare>
#include <cstddef>
#include <string>
#include <string_view>

class CString {
 public:
  CString() = default;
  CString(const char* text) : bytes_(text ? text : "") {}  // NOLINT(google-explicit-constructor)
  CString(std::string_view text) : bytes_(text) {}         // NOLINT(google-explicit-constructor)
  CString(std::string text) : bytes_(std::move(text)) {}   // NOLINT(google-explicit-constructor)

  int GetLength() const { return static_cast<int>(bytes_.size()); }
  bool IsEmpty() const { return bytes_.empty(); }
  void Empty() { bytes_.clear(); }

  // The first n characters, or the whole string when it is shorter.
  CString Left(int n) const { return CString(bytes_.substr(0, n < 0 ? 0 : static_cast<std::size_t>(n))); }

  const char* GetString() const { return bytes_.c_str(); }
  operator const char*() const { return bytes_.c_str(); }  // NOLINT(google-explicit-constructor)
  std::string_view View() const { return bytes_; }
  const std::string& Str() const { return bytes_; }

  CString& operator+=(const CString& more) {
    bytes_ += more.bytes_;
    return *this;
  }
  friend CString operator+(CString a, const CString& b) { return a += b; }
  friend CString operator+(CString a, const char* b) { return a += CString(b); }
  friend CString operator+(const char* a, const CString& b) { return CString(a) += b; }

  friend bool operator==(const CString& a, const CString& b) { return a.bytes_ == b.bytes_; }
  friend bool operator==(const CString& a, const char* b) { return a.bytes_ == (b ? b : ""); }
  friend std::strong_ordering operator<=>(const CString& a, const CString& b) { return a.bytes_ <=> b.bytes_; }

 private:
  std::string bytes_;
};
