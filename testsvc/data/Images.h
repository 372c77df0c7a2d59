#pragma once
// Pictures of device marks, made up from the record id so that every mark has its own: the
// PNG images the engines send, the 16-colour icon bitmap of summary records, and the flag of the
// register that only the service describes.

#include "testsvc/data/RecordWriter.h"

#include <cstdint>

// Largest size of a mark image; a request for more gets this, so the client sees it smaller.
constexpr std::uint32_t kImageWidth = 240;
constexpr std::uint32_t kImageHeight = 180;

// An RGB PNG of the given size (each 1 to the largest size above).
Bytes MakeMarkPng(std::uint32_t recordId, std::uint32_t imageNumber, std::uint32_t width,
                  std::uint32_t height);

// A packed device-independent bitmap of 32 x 24 pixels, 4 bits per pixel with a 16-entry colour
// table: the 40-byte header, the table, then the pixels 104 bytes from the start.
Bytes MakeIconDib(std::uint32_t recordId);

// A bitmap file of 18 x 12 pixels with a 16-colour table: 14-byte file header, 40-byte
// information header with the colours used set, the table, the pixel rows.
Bytes MakeFlagBitmapFile();
