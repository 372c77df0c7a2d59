#pragma once
// A colour of the display or the printer: red, green and blue of 0 to 255.

#include <cstdint>

struct CColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    bool operator==(const CColour&) const = default;
};

constexpr CColour MakeColour(int red, int green, int blue) {
    return {static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
            static_cast<std::uint8_t>(blue)};
}

inline constexpr CColour kBlack = MakeColour(0, 0, 0);
inline constexpr CColour kWhite = MakeColour(255, 255, 255);
