#pragma once
// The program's name as windows and message boxes show it.

inline constexpr const char* kAppTitle = "RO Vedaridarevu";
