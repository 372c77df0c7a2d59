#pragma once
// The page heading's template: "&b" separates the left, centre and right texts (text after a
// third "&b" is dropped), "&&" is a literal "&", "&d" today's date and "&p" the page number;
// any other "&" code is dropped.

#include <string>
#include <string_view>

struct CHeadingTexts {
    std::string left;
    std::string centre;
    std::string right;

    bool operator==(const CHeadingTexts&) const = default;
};

CHeadingTexts FormatHeading(std::string_view heading, std::string_view date, int page);
