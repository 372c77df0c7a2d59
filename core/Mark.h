#pragma once
// One found mark of an examination: a record of one register, tied to the search that found it
// and to the section that holds it. The record's data stays in the register's caches.
// A plain six-word value, so that lists of a million marks stay compact and copy fast.

#include <cstdint>

class CMark {
public:
    // Flag bits.
    static constexpr std::uint32_t kPermanentKeep = 0x1;
    static constexpr std::uint32_t kLong = 0x2;
    // Same record number, register code and section as the mark before it in its list.
    static constexpr std::uint32_t kDuplicate = 0x4;
    static constexpr std::uint32_t kKept = 0x10;
    // Drawn whole in the icon display, in the list display.
    static constexpr std::uint32_t kSeenInIcons = 0x20;
    static constexpr std::uint32_t kSeenInList = 0x40;
    static constexpr std::uint32_t kViewedBits = 0xe0;
    static constexpr std::uint32_t kAnyKeep = kPermanentKeep | kKept;

    CMark() = default;
    CMark(std::uint32_t recordNumber, int registerCode, int section, int searchId,
          int appNumber = 0, std::uint32_t flags = 0)
        : recordNumber_(recordNumber), registerCode_(registerCode), appNumber_(appNumber),
          searchId_(searchId), section_(section), flags_(flags) {}
    CMark(const CMark&) = default;
    CMark& operator=(const CMark&) = default;

    std::uint32_t GetRecordNumber() const { return recordNumber_; }
    void SetRecordNumber(std::uint32_t recordNumber) { recordNumber_ = recordNumber; }
    int GetRegisterCode() const { return registerCode_; }
    void SetRegisterCode(int registerCode) { registerCode_ = registerCode; }
    // The packed application number of the record; 0 when not known.
    int GetAppNumber() const { return appNumber_; }
    void SetAppNumber(int appNumber) { appNumber_ = appNumber; }
    // 0 for a mark that belongs to no search.
    int GetSearchId() const { return searchId_; }
    void SetSearchId(int searchId) { searchId_ = searchId; }
    int GetSection() const { return section_; }
    void SetSection(int section) { section_ = section; }
    std::uint32_t GetFlags() const { return flags_; }
    void SetFlags(std::uint32_t flags) { flags_ = flags; }

    bool HasFlag(std::uint32_t flag) const { return (flags_ & flag) != 0; }
    bool IsKept() const { return HasFlag(kAnyKeep); }
    bool IsDuplicate() const { return HasFlag(kDuplicate); }

    // Same record of the same register: the test of a repeated mark, any section.
    bool IsSameRecord(const CMark& other) const {
        return recordNumber_ == other.recordNumber_ && registerCode_ == other.registerCode_;
    }
    // Same record in the same section: the marks of one group.
    bool IsSameGroup(const CMark& other) const {
        return IsSameRecord(other) && section_ == other.section_;
    }

    // A permanently kept mark stays kept.
    void ToggleKeep() {
        if (!HasFlag(kPermanentKeep))
            flags_ ^= kKept;
    }
    void ToggleLong() { flags_ ^= kLong; }

    // The register's ordering key, rearranged by the user's SortOrder setting; fetched afresh on
    // every call, never stored.
    std::uint64_t GetSortKey() const;
    // The mark order; see MarkOrder.h.
    bool operator<(const CMark& other) const;

private:
    std::uint32_t recordNumber_ = 0;
    int registerCode_ = 0;
    int appNumber_ = 0;
    int searchId_ = 0;
    int section_ = 0;
    std::uint32_t flags_ = 0;
};
