#include "core/IniFile.h"

#include <chrono>
#include <climits>
#include <cstdlib>

namespace {

// Kept documents are trusted only for files last modified longer ago than this: file systems
// keep times in ticks of up to two seconds, and within its tick an edit in place of the same
// length could leave the stamp as it was. Later edits always give a later time.
constexpr std::int64_t kSettledNs = 2'000'000'000;

std::shared_ptr<const CIniDocument> EmptyDocument() {
    static const auto empty = std::make_shared<const CIniDocument>();
    return empty;
}

} // namespace

CIniFile::CCache& CIniFile::CCache::operator=(const CCache&) {
    std::lock_guard lock(mutex_);
    stamp_.reset();
    document_.reset();
    return *this;
}

std::shared_ptr<const CIniDocument> CIniFile::CCache::Find(const platform::FileStamp& stamp) const {
    std::lock_guard lock(mutex_);
    return stamp_ == stamp ? document_ : nullptr;
}

void CIniFile::CCache::Keep(const platform::FileStamp& stamp,
                            std::shared_ptr<const CIniDocument> document) {
    const std::int64_t now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                 std::chrono::system_clock::now().time_since_epoch())
                                 .count();
    std::lock_guard lock(mutex_);
    if (stamp.modifiedNs > now - kSettledNs) {
        stamp_.reset();
        document_.reset();
        return;
    }
    stamp_ = stamp;
    document_ = std::move(document);
}

std::shared_ptr<const CIniDocument> CIniFile::Current() const {
    if (path_.empty())
        return EmptyDocument();
    // Taken before reading: a change while the file is read gives a new stamp, read again next.
    const std::optional<platform::FileStamp> stamp = platform::GetFileStamp(path_);
    if (!stamp)
        return EmptyDocument();
    if (auto kept = cache_.Find(*stamp))
        return kept;
    std::string text;
    if (!platform::ReadWholeFile(path_, text))
        return nullptr;
    auto document = std::make_shared<const CIniDocument>(text);
    cache_.Keep(*stamp, document);
    return document;
}

std::shared_ptr<const CIniDocument> CIniFile::Read() const {
    std::shared_ptr<const CIniDocument> document = Current();
    return document ? document : EmptyDocument();
}

std::string CIniFile::GetString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
    return Read()->Find(section, key).value_or(defaultValue);
}

bool CIniFile::GetStringIfSet(const std::string& section, const std::string& key,
                              std::string& value) const {
    std::optional<std::string> found = Read()->Find(section, key);
    value = found.value_or(std::string());
    return found.has_value();
}

bool CIniFile::GetBool(const std::string& section, const std::string& key,
                       bool defaultValue) const {
    return GetInt(section, key, defaultValue ? 1 : 0) != 0;
}

int CIniFile::GetInt(const std::string& section, const std::string& key, int defaultValue) const {
    const std::string value = GetString(section, key, "");
    if (value.empty())
        return defaultValue;
    const long number = std::strtol(value.c_str(), nullptr, 10);
    if (number > INT_MAX)
        return INT_MAX;
    if (number < INT_MIN)
        return INT_MIN;
    return static_cast<int>(number);
}

char CIniFile::GetChar(const std::string& section, const std::string& key,
                       char defaultValue) const {
    const std::optional<std::string> value = Read()->Find(section, key);
    if (!value)
        return defaultValue;
    return value->empty() ? '\0' : value->front();
}

bool CIniFile::Update(const std::function<bool(CIniDocument&)>& change) {
    if (path_.empty()) {
        lastError_ = "No settings file name";
        return false;
    }
    const std::shared_ptr<const CIniDocument> current = Current();
    if (!current) {
        // Writing now would drop whatever the file holds.
        lastError_ = "Cannot read " + path_;
        return false;
    }
    CIniDocument document(*current);
    if (!change(document)) {
        lastError_ = "A setting name or value cannot be stored in " + path_;
        return false;
    }
    const auto access = ownerOnly_ ? platform::FileAccess::OwnerOnly : platform::FileAccess::Keep;
    if (!platform::WriteFileAtomically(path_, document.Serialise(), access, lastError_))
        return false;
    lastError_.clear();
    return true;
}

bool CIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
    return Update([&](CIniDocument& document) { return document.Set(section, key, value); });
}

bool CIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    return WriteString(section, key, value ? "1" : "0");
}

bool CIniFile::WriteInt(const std::string& section, const std::string& key, int value) {
    return WriteString(section, key, std::to_string(value));
}

bool CIniFile::WriteChar(const std::string& section, const std::string& key, char value) {
    return WriteString(section, key, value ? std::string(1, value) : std::string());
}

void CIniFile::ReadSection(const std::string& section, CIniPairs& pairs) const {
    pairs = Read()->ReadSection(section);
}

bool CIniFile::WriteSection(const std::string& section, const CIniPairs& pairs,
                            const std::vector<std::string>& keysToDelete) {
    return Update([&](CIniDocument& document) {
        for (const std::string& key : keysToDelete)
            document.Remove(section, key);
        for (const auto& [key, value] : pairs) {
            if (!document.Set(section, key, value))
                return false;
        }
        return true;
    });
}
