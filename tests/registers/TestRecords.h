#pragma once
// Records for the registers' tests, built as engines send them.

#include "core/ZrData.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A record of text fields (each value with its own NUL, as engines write it).
CZrData MakeRecord(std::initializer_list<std::pair<std::string_view, std::string>> fields);
// The item-list text of items such as (date, office, text).
std::string ItemListText(const std::vector<std::vector<std::string>>& items);
