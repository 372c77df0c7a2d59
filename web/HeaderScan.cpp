#include "web/HeaderScan.h"

#include "registers/AsciiText.h"

namespace {

// Calls visit(line) for every complete line, its CRs dropped.
template <typename Visit>
void ScanLines(std::string_view headers, Visit visit) {
    std::string line;
    for (const char c : headers) {
        if (c == '\n') {
            visit(std::string_view(line));
            line.clear();
        } else if (c != '\r') {
            line += c;
        }
    }
}

// The line's value when it starts with "name:", blanks after the colon skipped.
bool HeaderValue(std::string_view line, std::string_view name, std::string_view& value) {
    if (line.size() <= name.size() || line[name.size()] != ':' || !StartsWithNoCase(line, name))
        return false;
    value = line.substr(name.size() + 1);
    while (value.starts_with(' '))
        value.remove_prefix(1);
    return true;
}

} // namespace

std::string ScanHeader(std::string_view headers, std::string_view name) {
    std::string found;
    bool done = false;
    ScanLines(headers, [&](std::string_view line) {
        std::string_view value;
        if (!done && HeaderValue(line, name, value)) {
            found = value;
            done = true;
        }
    });
    return found;
}

NameValuePairs ScanSetCookies(std::string_view headers) {
    NameValuePairs cookies;
    ScanLines(headers, [&](std::string_view line) {
        std::string_view rest;
        if (!HeaderValue(line, "Set-Cookie", rest))
            return;
        const std::size_t equals = rest.find('=');
        const std::string_view name = rest.substr(0, equals);
        std::string_view value;
        if (equals != std::string_view::npos)
            value = rest.substr(equals + 1, rest.find(';', equals + 1) - equals - 1);
        if (!name.empty())
            cookies.emplace_back(name, value);
    });
    return cookies;
}
