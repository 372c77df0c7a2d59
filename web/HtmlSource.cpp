#include "web/HtmlSource.h"

#include <algorithm>
#include <cstring>

std::size_t CMemorySource::Read(char* into, std::size_t size) {
    const std::size_t count = std::min(size, bytes_.size());
    if (count == 0)
        return 0;
    std::memcpy(into, bytes_.data(), count);
    bytes_.remove_prefix(count);
    return count;
}

bool CFileSource::Open(const std::string& path) {
    file_.reset(std::fopen(path.c_str(), "rb"));
    return file_ != nullptr;
}

std::size_t CFileSource::Read(char* into, std::size_t size) {
    return file_ ? std::fread(into, 1, size, file_.get()) : 0;
}

bool CFileSource::Failed() const {
    return !file_ || std::ferror(file_.get()) != 0;
}
