#pragma once
// How a link control looks: its colour by state and whether its text is underlined.

#include "core/Colour.h"

enum EUnderlineMode { kUnderlineNever = 0, kUnderlineAlways = 1, kUnderlineOnHover = -1 };

inline constexpr CColour kLinkColour = MakeColour(0x00, 0x00, 0xEE);
inline constexpr CColour kVisitedColour = MakeColour(0x55, 0x1A, 0x8B);
inline constexpr CColour kHoverColour = MakeColour(0xFF, 0x00, 0x00);

struct CHyperLinkLook {
    CColour colour;
    bool underlined = false;

    bool operator==(const CHyperLinkLook&) const = default;
};

// Hovering shows the hover colour, else a visited link the visited colour.
constexpr CHyperLinkLook GetHyperLinkLook(bool hovering, bool visited, int underlineMode) {
    const CColour colour = hovering ? kHoverColour : visited ? kVisitedColour : kLinkColour;
    const bool underlined =
        underlineMode == kUnderlineAlways || (underlineMode == kUnderlineOnHover && hovering);
    return {colour, underlined};
}
