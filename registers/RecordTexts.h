#pragma once
// Small texts that the record presenters and register summaries build from record fields.

#include <string>
#include <string_view>

// "EN", "EN/FR": the first language, then "/" and the second when there is one; "" when the
// first is empty.
std::string JoinLanguages(std::string_view first, std::string_view second);
// The long name of a Reserved Words subset ("A6" "Article 6Ter" ...), any case; "" for others.
std::string_view GetA6SourceName(std::string_view subset);
