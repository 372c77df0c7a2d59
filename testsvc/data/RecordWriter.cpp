#include "testsvc/data/RecordWriter.h"

namespace {

void AppendTagged(std::string& text, std::string_view part, char code) {
    for (char c : part) {
        if (c == '\\')
            text += '\\';
        text += c;
    }
    text += '\\';
    text += code;
}

void PutU32(Bytes& bytes, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

} // namespace

void AppendU32(Bytes& bytes, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void CRecordWriter::AddText(std::string_view name, std::string_view value) {
    if (!value.empty())
        AddEntry(name, kText, reinterpret_cast<const std::uint8_t*>(value.data()), value.size(),
                 true);
}

void CRecordWriter::AddRaw(std::string_view name, const Bytes& value) {
    if (!value.empty())
        AddEntry(name, kRaw, value.data(), value.size(), false);
}

void CRecordWriter::AddEntry(std::string_view name, std::uint8_t kind, const std::uint8_t* value,
                             std::size_t length, bool addNul) {
    body_.insert(body_.end(), name.begin(), name.end());
    body_.push_back(0);
    body_.push_back(kind);
    lastLengthOffset_ = body_.size();
    AppendU32(body_, static_cast<std::uint32_t>(length + (addNul ? 1 : 0)));
    body_.insert(body_.end(), value, value + length);
    if (addNul)
        body_.push_back(0);
}

Bytes CRecordWriter::Finish() {
    Bytes record{'1'};
    AppendU32(record, static_cast<std::uint32_t>(body_.size() + 5));
    record.insert(record.end(), body_.begin(), body_.end());
    body_.clear();
    lastLengthOffset_ = 0;
    return record;
}

Bytes CRecordWriter::FinishDamaged() {
    const bool hasEntry = !body_.empty();
    const std::size_t lengthOffset = lastLengthOffset_ + 5;
    Bytes record = Finish();
    if (hasEntry)
        PutU32(record, lengthOffset, 0x7FFFFFF0u);
    return record;
}

std::string FormatPairList(const std::vector<TextPair>& pairs) {
    std::string text;
    for (const auto& [first, second] : pairs) {
        AppendTagged(text, first, '1');
        AppendTagged(text, second, '2');
    }
    return text;
}

std::string FormatStringList(const std::vector<std::string>& strings) {
    std::string text;
    for (const std::string& string : strings) {
        AppendTagged(text, string, '1');
        AppendTagged(text, "", '2');
    }
    return text;
}

std::string FormatItemList(const std::vector<std::vector<std::string>>& items) {
    std::string text;
    for (const auto& item : items) {
        for (std::size_t i = 0; i < item.size(); ++i)
            AppendTagged(text, item[i], i == 0 ? '1' : '2');
    }
    return text;
}
