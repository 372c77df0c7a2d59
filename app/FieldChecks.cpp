#include "app/FieldChecks.h"

#include "core/Latin1.h"

#include <charconv>

std::string ReadIntField(std::string_view text, int& value) {
    text = TrimWhite(text);
    if (text.starts_with('+'))
        text.remove_prefix(1);
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return "Please enter an integer.";
    value = number;
    return {};
}

std::string ReadIntField(std::string_view text, int min, int max, int& value) {
    int number = 0;
    if (std::string problem = ReadIntField(text, number); !problem.empty())
        return problem;
    if (number < min || number > max)
        return "Please enter an integer between " + std::to_string(min) + " and " +
               std::to_string(max) + ".";
    value = number;
    return {};
}
