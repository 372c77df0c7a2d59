#pragma once
// Opening an address in the user's browser or mail program, or a document in the program the
// desktop associates with it. Both the client's link controls and the connectivity test use it.

#include <string>

namespace platform {

// Results keep the convention of the link warnings: above 32 means the target was handed over.
inline constexpr int kOpenUrlOutOfResources = 0;
inline constexpr int kOpenUrlFileNotFound = 2;
inline constexpr int kOpenUrlAccessDenied = 5;
inline constexpr int kOpenUrlOutOfMemory = 8;
inline constexpr int kOpenUrlNoAssociation = 31;
inline constexpr int kOpenUrlOpened = 42;

// Hands an http, https or mailto address, or the absolute path of an existing file, to
// xdg-open as one argument, never through a shell. Returns without waiting for the opener.
// Any other target gives kOpenUrlNoAssociation.
int OpenUrl(const std::string& target);

// The text of a failure code for the user; "Unknown Error (<code>) occurred." for others.
std::string OpenUrlErrorText(int code);

} // namespace platform
