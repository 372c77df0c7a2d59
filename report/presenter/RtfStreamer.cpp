#include "report/presenter/RtfStreamer.h"

#include <algorithm>
#include <utility>

void CRtfStreamer::StreamIn(std::string text) {
    text_ = std::move(text);
    position_ = 0;
    control_.SetTextLimit(text_.size());
    control_.StreamIn(*this);
}

std::size_t CRtfStreamer::ReadCallback(char* buffer, std::size_t requested) {
    const std::size_t count = std::min(requested, text_.size() - position_);
    std::copy_n(text_.data() + position_, count, buffer);
    position_ += count;
    return count;
}
