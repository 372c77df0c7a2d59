#pragma once
// One settings (.ini) file. Every read takes the file as it is on disc, so that several objects
// and programs may share a file; a missing or unreadable file reads as empty. The file is parsed
// once and the result kept while the file stays the same, so that loading a hundred settings
// from a large file reads it once. Every write replaces the whole file at once
// (platform/AtomicFile.h), so a failed write leaves the old settings as they were; a file that
// exists but cannot be read is never written. Names, values and reading rules:
// core/IniDocument.h.

#include "core/IniDocument.h"
#include "platform/AtomicFile.h"

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class CIniFile {
public:
    CIniFile() = default;
    explicit CIniFile(std::string path) : path_(std::move(path)) {}
    CIniFile(const CIniFile&) = default;
    CIniFile& operator=(const CIniFile&) = default;
    virtual ~CIniFile() = default;

    void SetFileName(std::string path) { path_ = std::move(path); }
    const std::string& GetFileName() const { return path_; }
    // Files that hold a password are written readable and writable by their owner alone.
    void SetOwnerOnly(bool ownerOnly) { ownerOnly_ = ownerOnly; }

    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& defaultValue) const;
    // True and the value when the key exists (even with an empty value); false and "" when not.
    bool GetStringIfSet(const std::string& section, const std::string& key,
                        std::string& value) const;
    bool GetBool(const std::string& section, const std::string& key, bool defaultValue) const;
    // The leading decimal number of the value (0 when there is none); the default when the key
    // is missing or its value empty.
    int GetInt(const std::string& section, const std::string& key, int defaultValue) const;
    // The first character of the value; NUL for an existing empty value.
    char GetChar(const std::string& section, const std::string& key, char defaultValue) const;

    // Writers answer false when the file cannot be written or the text cannot be stored in it
    // (CIniDocument::CanStore); GetLastError then says why.
    bool WriteString(const std::string& section, const std::string& key, const std::string& value);
    bool WriteBool(const std::string& section, const std::string& key, bool value);
    bool WriteInt(const std::string& section, const std::string& key, int value);
    bool WriteChar(const std::string& section, const std::string& key, char value);

    // Empties the list, then fills it with the section's keys and values in file order.
    void ReadSection(const std::string& section, CIniPairs& pairs) const;
    // Deletes the listed keys, then writes the pairs, in one replacement of the file.
    bool WriteSection(const std::string& section, const CIniPairs& pairs,
                      const std::vector<std::string>& keysToDelete);

    const std::string& GetLastError() const { return lastError_; }

private:
    // The parsed file as it is now on the disc, kept while the file does not change. A copy of
    // the object starts without it.
    class CCache {
    public:
        CCache() = default;
        CCache(const CCache&) {}
        CCache& operator=(const CCache&);

        // The document kept for this state of the file; null when there is none.
        std::shared_ptr<const CIniDocument> Find(const platform::FileStamp& stamp) const;
        // Keeps the document for the state of the file, unless the file changed so recently
        // that a change in the same tick of the file system's clock would leave the stamp as it
        // is.
        void Keep(const platform::FileStamp& stamp, std::shared_ptr<const CIniDocument> document);

    private:
        mutable std::mutex mutex_;
        std::optional<platform::FileStamp> stamp_;
        std::shared_ptr<const CIniDocument> document_;
    };

    // The file's current text parsed: empty when there is no file, null when it exists but
    // cannot be read.
    std::shared_ptr<const CIniDocument> Current() const;
    // The same with a file that cannot be read read as empty.
    std::shared_ptr<const CIniDocument> Read() const;
    // Applies the change to the file's current text and writes the result.
    bool Update(const std::function<bool(CIniDocument&)>& change);

    std::string path_;
    bool ownerOnly_ = false;
    std::string lastError_;
    mutable CCache cache_;
};
