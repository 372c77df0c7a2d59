#pragma once
// Names joined for messages: "UK", "UK and DE", "UK, DE and US".

#include <string>
#include <vector>

std::string JoinNamesWithAnd(const std::vector<std::string>& names);
