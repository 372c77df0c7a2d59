#include "report/job/ReportBlocks.h"

#include "app/document/ZrDocData.h"
#include "core/UserOptions.h"
#include "core/ZrData.h"
#include "registers/ZrDbs.h"
#include "report/job/ReportRegisters.h"

#include <climits>

CReportSection::CReportSection(const ReportAttributes& attributes) {
    for (const auto& [key, value] : attributes) {
        if (key == "FIRST")
            first_ = ReadBlockNumber(value, 1, 0);
        else if (key == "LAST")
            last_ = ReadBlockNumber(value, 1, INT_MIN);
        all_ |= key == "ALL";
        marksOnly_ |= key == "MARKSONLY";
    }
}

std::string CReportSection::LookupField(std::string_view name) {
    static constexpr CReportFieldEntry<CReportSection> kFields[] = {
        {"SECTION", [](CReportSection& block) { return std::to_string(block.current_ + 1); }},
        {"SECTION_KEPT", [](CReportSection& block) { return block.keptCount_; }},
    };
    std::string value;
    return LookupIn(kFields, *this, name, value) ? value : CReportContainer::LookupField(name);
}

CFilter CReportSection::GetFilter() {
    CFilter filter = GetParent()->GetFilter();
    filter.SetSection(current_, all_);
    return filter;
}

bool CReportSection::Enter(int section, const CZrDocData& document, bool marksOnly) {
    current_ = section;
    const CFilter filter = GetFilter();
    return document.HasMarks(filter, 1) || (!marksOnly && document.HasSearch(filter));
}

bool CReportSection::Evaluate(CReportPresenter& presenter, CReportInfo& info) {
    const CZrDocData& document = info.GetDocument();
    for (int section = first_; section <= last_ && section < document.GetSectionCount();
         ++section) {
        if (!Enter(section, document, marksOnly_))
            continue;
        keptCount_ = std::to_string(document.CountMarks(GetFilter()));
        if (!EvaluateChildren(presenter, info))
            return false;
    }
    return true;
}

int CReportSection::CountMarks(CReportInfo& info) {
    const CZrDocData& document = info.GetDocument();
    int count = 0;
    for (int section = first_; section <= last_ && section < document.GetSectionCount();
         ++section) {
        if (Enter(section, document, false))
            count += CountChildren(info);
    }
    return count;
}

std::string CReportSection::Describe() const {
    return "SECT: " + std::to_string(first_) + "-" + std::to_string(last_) + (all_ ? " ALL" : "") +
           (marksOnly_ ? " MARKSONLY" : "");
}

CReportCriteria::CReportCriteria(const ReportAttributes& attributes) {
    for (const auto& attribute : attributes) {
        all_ |= attribute.first == "ALL";
        hideDuplicates_ |= attribute.first == "HIDEDUPLICATES";
    }
}

CFilter CReportCriteria::GetFilter() {
    CFilter filter = GetParent()->GetFilter();
    filter.SetSearchId(current_.GetSearchId(), hideDuplicates_, all_);
    return filter;
}

TVmRec<int> CReportCriteria::ListSearches(const CZrDocData& document) {
    TVmRec<int> indexes;
    document.FilterSearches(GetParent()->GetFilter(), indexes);
    return indexes;
}

bool CReportCriteria::Evaluate(CReportPresenter& presenter, CReportInfo& info) {
    info_ = &info;
    info.GetUserOptions().FillDisplayMapper(displayMapper_);
    const CZrDocData& document = info.GetDocument();
    const TVmRec<int> searches = ListSearches(document);
    for (int i = 0; i < searches.GetSize(); ++i) {
        current_ = document.GetSearch(searches.GetAt(i));
        if (!EvaluateChildren(presenter, info))
            return false;
    }
    return true;
}

int CReportCriteria::CountMarks(CReportInfo& info) {
    const CZrDocData& document = info.GetDocument();
    const TVmRec<int> searches = ListSearches(document);
    int count = 0;
    for (int i = 0; i < searches.GetSize(); ++i) {
        current_ = document.GetSearch(searches.GetAt(i));
        count += CountChildren(info);
    }
    return count;
}

std::string CReportCriteria::WordTerms(int group, int& kind) const {
    const CCriteria& criteria = current_.GetCriteria();
    kind = 0;
    switch (group) {
    case 0:
        return criteria.GetWordTermsText(&displayMapper_, &kind);
    case 1:
        return criteria.GetAndWordTermsText(&displayMapper_, &kind);
    default:
        return criteria.GetExcludedWordTermsText(&displayMapper_, &kind);
    }
}

std::string CReportCriteria::DecoratedWords(int group) const {
    int kind = 0;
    const std::string terms = WordTerms(group, kind);
    if (terms.empty())
        return "";
    switch (kind) {
    case 1:
        return '"' + terms + '"';
    case 2:
        return "Similar to: " + terms;
    case 3:
        return "Similar to: \"" + terms + '"';
    case 4:
        return "Anagram of: " + terms;
    default:
        return terms;
    }
}

std::string CReportCriteria::MatchLabel(int group) const {
    static const char* const kLabels[] = {
        "Match Word:", "Match Mark:", "Similar Word:", "Similar Mark:", "Anagram:"};
    int kind = 0;
    if (WordTerms(group, kind).empty() || kind < 0 || kind > 4)
        return "";
    return std::string(group == 2 ? "But not " : "") + kLabels[kind];
}

std::string CReportCriteria::LookupField(std::string_view name) {
    using Block = CReportCriteria;
    static constexpr CReportFieldEntry<Block> kFields[] = {
        {"NUMFOUND",
         [](Block& block) {
             return std::to_string(block.info_->GetUserOptions().GetHideDuplicates()
                                       ? block.current_.GetMarkCount()
                                       : block.current_.GetFound());
         }},
        {"NUMSEARCHFOUND", [](Block& block) { return std::to_string(block.current_.GetFound()); }},
        {"NUMNEW", [](Block& block) { return std::to_string(block.current_.GetMarkCount()); }},
        {"CRITERIA",
         [](Block& block) {
             return block.current_.GetDescription(true, &block.displayMapper_,
                                                  block.info_->GetRegisters().GetCriteriaWording());
         }},
        {"CRITDBS",
         [](Block& block) {
             return block.info_->GetRegisters().GetDbShortNames(block.current_.GetDatabases());
         }},
        {"CRITCOUNTRIES",
         [](Block& block) {
             const CCountryList& countries = block.current_.GetCriteria().GetCountries();
             return countries.IsAll() || countries.IsEmpty() ? std::string() : countries.GetText();
         }},
        {"CRITCLASSES",
         [](Block& block) {
             const std::string classes = block.current_.GetCriteria().GetClassesText();
             return classes.empty() ? std::string("All") : classes;
         }},
        {"CRITWORDSA", [](Block& block) { return block.DecoratedWords(0); }},
        {"CRITWORDSB", [](Block& block) { return block.DecoratedWords(1); }},
        {"CRITWORDSC", [](Block& block) { return block.DecoratedWords(2); }},
        {"CRITTERMSA",
         [](Block& block) {
             int kind = 0;
             return block.WordTerms(0, kind);
         }},
        {"CRITTERMSB",
         [](Block& block) {
             int kind = 0;
             return block.WordTerms(1, kind);
         }},
        {"CRITTERMSC",
         [](Block& block) {
             int kind = 0;
             return block.WordTerms(2, kind);
         }},
        {"CRITTYPEA", [](Block& block) { return block.MatchLabel(0); }},
        {"CRITTYPEB", [](Block& block) { return block.MatchLabel(1); }},
        {"CRITTYPEC", [](Block& block) { return block.MatchLabel(2); }},
        {"CRITSTATUS",
         [](Block& block) {
             return block.current_.GetCriteria().GetStatusText(
                 block.info_->GetRegisters().GetCriteriaWording(), false);
         }},
        {"CRITAPPNUMRANGE",
         [](Block& block) {
             return block.current_.GetCriteria().GetAppNumRangeText(
                 block.info_->GetRegisters().GetCriteriaWording());
         }},
        {"CRITAPPDATERANGE",
         [](Block& block) {
             return block.current_.GetCriteria().GetAppDateRangeText(
                 block.info_->GetRegisters().GetCriteriaWording());
         }},
        {"CRITDEVCATSAND",
         [](Block& block) {
             return std::string(block.current_.GetCriteria().GetImageCatsMatchAll() ? "And" : "");
         }},
        {"CRITDEVCATS",
         [](Block& block) {
             return FormatStringList(block.current_.GetCriteria().GetImageCats());
         }},
        {"CRITLOCARNOAND",
         [](Block& block) {
             return std::string(block.current_.GetCriteria().GetLocarnoMatchAll() ? "And" : "");
         }},
        {"CRITLOCARNO",
         [](Block& block) {
             return FormatStringList(block.current_.GetCriteria().GetLocarnoClasses());
         }},
        {"CRITOWNERS",
         [](Block& block) {
             return FormatStringList(block.current_.GetCriteria().GetOwnerNames());
         }},
        {"CRITAGENTS",
         [](Block& block) {
             return FormatStringList(block.current_.GetCriteria().GetAgentNames());
         }},
        {"CRITGOODSA",
         [](Block& block) {
             return block.current_.GetCriteria().GetGoodsTermsText(&block.displayMapper_);
         }},
        {"CRITGOODSB",
         [](Block& block) {
             return block.current_.GetCriteria().GetAndGoodsTermsText(&block.displayMapper_);
         }},
        {"CRITGOODSC",
         [](Block& block) {
             return block.current_.GetCriteria().GetExcludedGoodsTermsText(&block.displayMapper_);
         }},
        {"CRITSET", [](Block& block) { return block.current_.GetCriteria().GetSet(); }},
    };
    std::string value;
    if (info_ && LookupIn(kFields, *this, name, value))
        return value;
    return CReportContainer::LookupField(name);
}

std::string CReportCriteria::Describe() const {
    return std::string("CRIT:") + (all_ ? " ALL" : "") + (hideDuplicates_ ? " HIDEDUPLICATES" : "");
}

CReportDb::CReportDb(const ReportAttributes& attributes) {
    for (const auto& [key, value] : attributes) {
        if (key == "DB")
            letters_ = value;
        all_ |= key == "ALL";
    }
    if (letters_.empty())
        letters_ = CZrDbs::kBuiltInCodes;
}

std::string CReportDb::LookupField(std::string_view name) {
    static constexpr CReportFieldEntry<CReportDb> kFields[] = {
        {"DBNAME", [](CReportDb& block) { return block.db_->GetShortName(); }},
        {"DBDESCR", [](CReportDb& block) { return block.db_->GetLongName(); }},
        {"DBDATE", [](CReportDb& block) { return block.db_->GetDataDate().Format(); }},
    };
    std::string value;
    if (db_ && LookupIn(kFields, *this, name, value))
        return value;
    return CReportContainer::LookupField(name);
}

CFilter CReportDb::GetFilter() {
    CFilter filter = GetParent()->GetFilter();
    filter.SetRegister(static_cast<unsigned char>(current_), all_);
    return filter;
}

std::string CReportDb::ConnectedLetters(CReportInfo& info) const {
    const std::string connected = info.GetRegisters().GetConnectedDatabaseCodes();
    std::string letters;
    for (const char letter : letters_) {
        if (connected.find(letter) != std::string::npos)
            letters += letter;
    }
    return letters;
}

bool CReportDb::Evaluate(CReportPresenter& presenter, CReportInfo& info) {
    for (const char letter : ConnectedLetters(info)) {
        current_ = letter;
        db_ = info.GetRegisters().GetDb(static_cast<unsigned char>(letter));
        if (!EvaluateChildren(presenter, info))
            return false;
    }
    return true;
}

int CReportDb::CountMarks(CReportInfo& info) {
    int count = 0;
    for (const char letter : ConnectedLetters(info)) {
        current_ = letter;
        count += CountChildren(info);
    }
    return count;
}

std::string CReportDb::Describe() const {
    return "DB: " + letters_ + (all_ ? " ALL" : "");
}
