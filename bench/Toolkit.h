#pragma once
// The window toolkit, started once for the benchmarks that draw or open windows.

// Throws std::runtime_error without a display (run under xvfb-run).
void StartToolkit();
// Lets the events waiting now run.
void PumpEvents();
