#pragma once
// The window the user works in, for the windows that open over it (message boxes, progress
// windows): a window made over another stays in front of it, so one made over the main window
// goes behind a dialog that the user clicks.

class wxWindow;

// The innermost modal dialog while one is up, else the active top-level window, else the
// program's main window (null before there is one).
wxWindow* WindowInUse();
