#include "core/CleanString.h"

#include "core/Latin1.h"

void CCleanString::SetText(std::string_view text) {
    text_.clear();
    pendingWhite_ = 0;
    Append(text);
}

void CCleanString::Append(std::string_view text) {
    if (!text_.empty() && pendingWhite_ == 0 && !text.starts_with(','))
        pendingWhite_ = 1;
    for (const char c : text) {
        if (IsWhiteChar(c)) {
            ++pendingWhite_;
            continue;
        }
        if (pendingWhite_ > 0 && !text_.empty())
            text_ += ' ';
        text_ += c;
        pendingWhite_ = 0;
    }
}
