#pragma once
// The flag image of a web-defined register, as its engine's layout sends it: a PNG, or the
// content of a bitmap file. Both come from outside and are checked whole before use.

#include "core/Ping.h"

#include <cstdint>
#include <span>

// The flag as PNG in `flag`: a PNG received whole, or a bitmap file of 1, 4 or 8 bits a pixel
// (14-byte file header, 40-byte information header, a colour table of as many colours as the
// header says are used, then rows that the bytes hold whole). False, with the flag empty, for
// anything else.
bool LoadFlagImage(std::span<const std::uint8_t> bytes, CPing& flag);
