#pragma once
// Records for the registers' tests, built as engines send them.

#include "core/ZrData.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A record of text fields (each value with its own NUL, as engines write it).
CZrData MakeRecord(std::initializer_list<std::pair<std::string_view, std::string>> fields);
// The item-list text of items such as (date, office, text).
std::string ItemListText(const std::vector<std::vector<std::string>>& items);
// A bitmap file of `width` x 12 pixels, 4 bits a pixel, with `colours` colours in its table: a
// web register's flag as its layout sends it.
std::vector<std::uint8_t> FlagBitmapFile(std::uint32_t width = 18, std::uint32_t colours = 16);
