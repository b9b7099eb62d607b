// Big-endian stores into a byte buffer: every number in a Palm database is most significant
// byte first. The conversion is the system's own (htons/htonl); memcpy makes the store safe at
// any alignment.
#pragma once

#include "platform/byte_order.h"

#include <cstdint>
#include <cstring>

inline void PutBE16(std::uint8_t* out, std::uint16_t value) {
  const std::uint16_t be = htons(value);
  std::memcpy(out, &be, sizeof be);
}

inline void PutBE32(std::uint8_t* out, std::uint32_t value) {
  const std::uint32_t be = htonl(value);
  std::memcpy(out, &be, sizeof be);
}
