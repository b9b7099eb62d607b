// The Tessivo database file: a Palm database of four records (the bitmap, the colour table,
// the clock origin and the info text) after a 78-byte header and a 34-byte record list.
// writer.cpp draws its bytes.
#pragma once

#include "pdb/image_info.h"
#include "pdb/source_layout.h"
#include "platform/cstring.h"
#include "platform/file.h"

#include <cstdint>
#include <span>

// Writes the database to file from its current position (the start of a new file) and flushes
// it. title: the source title in the program's one-byte character set (at most 22 bytes; never
// more than 22 reach the name). source: the loaded source buffer, at least layout.fileBytes
// bytes. recordBuffer: room for record 0, at least 16 + layout.imageBytes bytes.
//
// A failing file operation raises CFileException and leaves the file as written so far; the
// file stays open either way.
void WriteDatabase(CFile& file, const CString& title, std::span<const std::uint8_t> source, const SourceLayout& layout,
                   const ImageInfo& info, std::span<std::uint8_t> recordBuffer);
