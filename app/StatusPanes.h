#pragma once
// The training pane of the status bars: green with "TRAINING" while a training database is
// connected, else a plain pane.

#include "core/DrawSurface.h"

inline constexpr const char* kTrainingText = "TRAINING";
inline constexpr CColour kTrainingColour = MakeColour(128, 255, 128);

void DrawTrainingPane(IDrawSurface& surface, const CRect& pane, bool training);
