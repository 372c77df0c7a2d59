#pragma once
// The settings of one examination: texts under integer keys (client, agency, examiner, the
// examination id, the database selection, the auto-design texts and any other key), when it was
// created, whether it is a watch, its number of sections, the "One Class Only" choice and, for a
// watch, how many kept marks it was generated from.

#include <cstdint>
#include <ctime>
#include <map>
#include <string>

class CExamInfo {
public:
    // Keys of the texts.
    static constexpr int kClient = 1;
    static constexpr int kAgency = 2;
    static constexpr int kExaminer = 4;
    static constexpr int kDbSelection = 50;
    static constexpr int kExamId = 101;
    static constexpr int kAutoWordMark = 107;
    static constexpr int kAutoPrimaryClasses = 108;
    static constexpr int kAutoStatus = 109;
    static constexpr int kAutoSecondaryClasses = 110;

    // Types.
    static constexpr int kExamination = 0;
    static constexpr int kWatch = 1;

    static constexpr int kDefaultSections = 4;

    CExamInfo() { Reset(); }
    CExamInfo(const CExamInfo&) = default;
    CExamInfo& operator=(const CExamInfo&) = default;
    virtual ~CExamInfo() = default;

    bool operator==(const CExamInfo&) const = default;

    // No texts, created now, an examination of four sections, every choice off.
    void Reset();

    // "" for a key without text.
    std::string GetValue(int key) const;
    // An empty text is kept under its key.
    void SetValue(int key, const std::string& text) { values_[key] = text; }
    const std::map<int, std::string>& GetValues() const { return values_; }

    std::time_t GetCreated() const { return created_; }
    void SetCreated(std::time_t created) { created_ = created; }
    int GetType() const { return type_; }
    void SetType(int type) { type_ = type; }
    int GetSections() const { return sections_; }
    void SetSections(int sections) { sections_ = sections; }
    bool IsOneClassOnly() const { return oneClassOnly_; }
    void SetOneClassOnly(bool oneClassOnly) { oneClassOnly_ = oneClassOnly; }
    int GetWatchMarkCount() const { return watchMarkCount_; }
    void SetWatchMarkCount(int count) { watchMarkCount_ = count; }

private:
    std::map<int, std::string> values_;
    std::time_t created_ = 0;
    int type_ = kExamination;
    int sections_ = kDefaultSections;
    bool oneClassOnly_ = false;
    int watchMarkCount_ = 0;
};
