#include "report/print/PrintHeading.h"

#include <array>

CHeadingTexts FormatHeading(std::string_view heading, std::string_view date, int page) {
    std::array<std::string, 3> parts;
    std::size_t part = 0;
    for (std::size_t i = 0; i < heading.size(); ++i) {
        if (heading[i] != '&') {
            parts[part] += heading[i];
            continue;
        }
        if (++i == heading.size())
            break;
        switch (heading[i]) {
        case 'b':
            if (++part == parts.size())
                return {parts[0], parts[1], parts[2]};
            break;
        case '&':
            parts[part] += '&';
            break;
        case 'd':
            parts[part] += date;
            break;
        case 'p':
            parts[part] += std::to_string(page);
            break;
        default:
            break;
        }
    }
    return {parts[0], parts[1], parts[2]};
}
