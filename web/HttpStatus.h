#pragma once
// The English texts of HTTP status codes, shown for failed page fetches.

#include <string>

// The text of a status; "HTTP error code: <status>" for one without its own text.
std::string HttpStatusText(int status);
