// The program's one-byte character set is Windows-1252, which is also the handheld's. The
// toolkit and the file system speak UTF-8; these conversions sit at that boundary.
#pragma once

#include "cstring.h"

#include <string>
#include <string_view>

// UTF-8 to Windows-1252; a character that Windows-1252 lacks, or a byte that is no valid
// UTF-8, becomes "?".
CString Utf8ToAnsi(std::string_view utf8);

// Windows-1252 to UTF-8; the five bytes that Windows-1252 leaves undefined become U+FFFD.
std::string AnsiToUtf8(std::string_view ansi);

// File names as the file system holds them (UTF-8 on this platform).
// The name in the program's character set, for a record or a caption.
CString AfxNameToAnsi(const CString& name);
// The first n characters of a name, never cut inside a character.
CString AfxNameLeft(const CString& name, int n);
