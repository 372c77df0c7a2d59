#pragma once
// Clicks on the database selection panel's rows, found by their text among the visible slots.

#include "engines/selection/DbSelectionPanel.h"

#include <gtest/gtest.h>
#include <string>

// Turns the tick of the visible row showing the text over; fails the test without such a row.
inline void ClickPanelRow(CDbSelectionPanel& panel, const std::string& text) {
    const auto slots = panel.GetSlots();
    for (std::size_t n = 0; n < slots.size(); ++n)
        if (slots[n].text == text) {
            panel.OnCheckClicked(static_cast<int>(n), !slots[n].checked);
            return;
        }
    FAIL() << "no visible row " << text;
}
