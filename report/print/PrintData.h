#pragma once
// The examination data that a print run prints when it is not the whole examination.

#include "app/document/ZrDocData.h"
#include "core/Mark.h"

#include <span>

// The selected marks of a view alone: no searches and no examination details, "One Class
// Only", every mark in section 0.
CZrDocData MakeSelectionPrintData(std::span<const CMark> marks);

// One mark of a details window, in the long form or the short one: one section holding the
// mark, permanently kept.
CZrDocData MakeMarkPrintData(const CMark& mark, bool longForm);
