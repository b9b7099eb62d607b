// The checks that decide whether a source bitmap can be converted.
#pragma once

#include "pdb/source_layout.h"

#include <cstdint>
#include <span>

// The file header and the information header of a Windows bitmap.
inline constexpr std::uint32_t kSourceHeaderBytes = 54;

// The refusal of the first check that the header fails, or nullptr when it passes them all.
const char* FirstFailedCheck(std::span<const std::uint8_t, kSourceHeaderBytes> header);

// The layout of a header that passed every check.
const SourceLayout& LayoutOf(std::span<const std::uint8_t, kSourceHeaderBytes> header);
