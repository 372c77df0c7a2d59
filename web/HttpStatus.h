#pragma once
// The English texts of HTTP status codes, shown for failed page fetches.

#include <string>

// The page's own failure numbers: the status could not be read, the request could not be sent.
inline constexpr int kHttpStatusQueryFailed = 9991;
inline constexpr int kHttpSendFailed = 9992;

// The text of a status; "HTTP error code: <status>" for one without its own text.
std::string HttpStatusText(int status);
