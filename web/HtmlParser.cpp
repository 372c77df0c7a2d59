#include "web/HtmlParser.h"

#include <cstring>

namespace {

// "<!-" opens a comment; dashes are counted from the character after it.
constexpr std::size_t kCommentOpening = 3;

// The dashes right before the ">" that ends the text, not counting the comment's opening.
std::size_t DashesBeforeClose(const std::string& text) {
    std::size_t dashes = 0;
    for (std::size_t i = text.size() - 1; i > kCommentOpening && text[i - 1] == '-'; --i)
        ++dashes;
    return dashes;
}

} // namespace

bool CHtmlParser::Fill() {
    if (position_ < length_)
        return true;
    length_ = source_.Read(buffer_.data(), buffer_.size());
    position_ = 0;
    return length_ > 0;
}

bool CHtmlParser::ReadByte(char& c) {
    if (!Fill())
        return false;
    c = buffer_[position_++];
    return true;
}

void CHtmlParser::AppendText(std::string& text) {
    while (Fill()) {
        const char* start = buffer_.data() + position_;
        const std::size_t available = length_ - position_;
        const void* open = std::memchr(start, '<', available);
        const std::size_t count =
            open ? static_cast<std::size_t>(static_cast<const char*>(open) - start) : available;
        text.append(start, count);
        position_ += count;
        if (open)
            return;
    }
}

bool CHtmlParser::AppendThrough(std::string& text, char stop) {
    while (Fill()) {
        const char* start = buffer_.data() + position_;
        const std::size_t available = length_ - position_;
        const void* found = std::memchr(start, stop, available);
        const std::size_t count =
            found ? static_cast<std::size_t>(static_cast<const char*>(found) - start) + 1
                  : available;
        text.append(start, count);
        position_ += count;
        if (found)
            return true;
    }
    return false;
}

void CHtmlParser::AppendComment(std::string& text) {
    while (AppendThrough(text, '>'))
        if (DashesBeforeClose(text) >= 2)
            return;
}

bool CHtmlParser::NextToken(CHtmlToken& token) {
    token.kind_ = CHtmlToken::kNone;
    token.text_.clear();
    char c = 0;
    if (!ReadByte(c))
        return false;
    std::string& text = token.text_;
    text += c;
    if (c != '<') {
        token.kind_ = CHtmlToken::kText;
        AppendText(text);
        return true;
    }
    if (!ReadByte(c))
        return true;
    text += c;
    if (c != '!') {
        token.kind_ = c == '/' ? CHtmlToken::kEndTag : CHtmlToken::kStartTag;
        if (c != '>')
            AppendThrough(text, '>');
        return true;
    }
    if (!ReadByte(c))
        return true;
    text += c;
    token.kind_ = CHtmlToken::kDeclaration;
    if (c == '-')
        AppendComment(text);
    else if (c != '>')
        AppendThrough(text, '>');
    return true;
}
