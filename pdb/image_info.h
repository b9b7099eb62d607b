// What the person gives a picture besides the picture itself.
#pragma once

#include "platform/cstring.h"

struct ImageInfo {
  CString info;  // 0 to 255 bytes in the program's character set, line breaks as CR LF
  int x = 0;     // clock origin, 0 to 99
  int y = 0;
};
