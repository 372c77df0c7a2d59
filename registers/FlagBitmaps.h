#pragma once
// The flags of the built-in registers, compiled into the program as 18 x 12 PNGs.

#include <cstdint>
#include <span>

// The PNG bytes of the flag with that bitmap id; empty for an id without flag.
std::span<const std::uint8_t> BuiltInFlagPng(int bitmapId);
