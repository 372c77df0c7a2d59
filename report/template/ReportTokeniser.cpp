#include "report/template/ReportTokeniser.h"

#include <utility>

bool CReportTokeniser::LoadFile(const std::string& path) {
    position_ = 0;
    return bytes_.LoadFile(path);
}

bool CReportTokeniser::IsTagStart() const {
    return position_ + 1 < bytes_.GetLength() && At(position_) == '[' && At(position_ + 1) == '[';
}

bool CReportTokeniser::NextToken(CReportToken& token) {
    if (AtEnd())
        return false;
    token.Reset();
    if (!IsTagStart()) {
        // A text run reaches up to the next tag; it always holds at least one byte.
        do
            token.name += At(position_++);
        while (!AtEnd() && !IsTagStart());
        return true;
    }
    token.isTag = true;
    position_ += 2;
    if (!AtEnd() && (At(position_) == '?' || At(position_) == '!')) {
        token.isTest = true;
        token.negated = At(position_) == '!';
        ++position_;
    }
    ReadTagName(token);
    ReadAttributes(token);
    return true;
}

std::string CReportTokeniser::ReadUntil(char stop) {
    std::string bytes;
    while (!AtEnd()) {
        const char c = At(position_++);
        if (c == stop)
            break;
        bytes += c;
    }
    return bytes;
}

void CReportTokeniser::ReadTagName(CReportToken& token) {
    while (!AtEnd()) {
        const char c = At(position_++);
        if (c == ']')
            return;
        if (token.isTest && c == '=') {
            token.value = ReadUntil(']');
            return;
        }
        token.name += c;
    }
}

void CReportTokeniser::ReadAttributes(CReportToken& token) {
    while (!AtEnd()) {
        const char c = At(position_++);
        if (c == ']')
            return;
        if (c == '[')
            ReadAttribute(token);
        // Blanks and stray bytes between attributes are dropped.
    }
}

void CReportTokeniser::ReadAttribute(CReportToken& token) {
    CReportToken::Attribute attribute;
    while (!AtEnd() && At(position_) != '=' && At(position_) != ']')
        attribute.first += At(position_++);
    if (!AtEnd() && At(position_) == '=') {
        ++position_;
        attribute.second = ReadUntil(']');
    } else if (!AtEnd()) {
        ++position_; // the closing "]"
    }
    if (!attribute.first.empty() || !attribute.second.empty())
        token.attributes.push_back(std::move(attribute));
}
