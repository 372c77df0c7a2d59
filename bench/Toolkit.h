#pragma once
// The window toolkit for the benchmarks that open windows, started once for the whole run on the
// (virtual) display.

// False when there is no display (run under xvfb-run).
bool StartToolkit();
// Lets the events waiting now run.
void PumpEvents();
