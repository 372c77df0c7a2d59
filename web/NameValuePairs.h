#pragma once
// Ordered (name, value) texts: form fields, query parameters, tag attributes and cookies.
// Duplicates are allowed and order is kept.

#include <string>
#include <utility>
#include <vector>

using NameValuePairs = std::vector<std::pair<std::string, std::string>>;
