#include "search/GeneralPageModel.h"

#include "core/Criteria.h"
#include "core/Latin1.h"
#include "core/UserOptions.h"
#include "core/ZrTerms.h"
#include "search/ClassFieldText.h"

#include <algorithm>

namespace {

// The term kind stored for each combo item.
constexpr std::array<int, 5> kItemKinds = {kTermWordMatch, kTermSimilarWord, kTermAnagram,
                                           kTermMarkMatch, kTermSimilarMark};

} // namespace

const std::array<std::string_view, 5> CGeneralPageModel::kKindItems = {
    "1. containing any of these <b>words/patterns</b>",
    "2. containing <b>words similar</b> to any of",
    "3. containing words which are <b>anagrams</b> of any of",
    "4. which are <b>exactly</b> these <b>words/patterns</b>",
    "5. <b>similar</b> to",
};

int CGeneralPageModel::KindOfIndex(int index) {
    return index >= 0 && index < static_cast<int>(kItemKinds.size()) ? kItemKinds[index]
                                                                     : kTermWordMatch;
}

int CGeneralPageModel::IndexOfKind(int kind) {
    const auto item = std::find(kItemKinds.begin(), kItemKinds.end(), kind);
    return item != kItemKinds.end() ? static_cast<int>(item - kItemKinds.begin()) : 0;
}

CGeneralPageModel::CGeneralPageModel(EMode mode, const CUserOptions& options)
    : CSearchPageModel("General"), mode_(mode), options_(options) {
    options.FillInputMapper(inputMapper_);
    options.FillDisplayMapper(displayMapper_);
}

void CGeneralPageModel::Load(const CCriteria& criteria) {
    classes_ = criteria.GetClassesText();
    std::array<int, kGroupCount> kinds{};
    groups_[kGroupA].text = criteria.GetWordTermsText(&displayMapper_, &kinds[kGroupA]);
    groups_[kGroupB].text = criteria.GetAndWordTermsText(&displayMapper_, &kinds[kGroupB]);
    groups_[kGroupC].text = criteria.GetExcludedWordTermsText(&displayMapper_, &kinds[kGroupC]);
    for (int group = 0; group < kGroupCount; ++group) {
        CWordGroupInput& input = groups_[group];
        const bool normal = mode_ == EMode::Normal;
        input.kindIndex = normal ? IndexOfKind(kinds[group]) : 0;
        input.on = !normal || group == kGroupA || !input.text.empty();
    }
    locate_.clear();
}

bool CGeneralPageModel::IsGroupShown(int group) const {
    return groups_.at(group).on;
}

std::string CGeneralPageModel::EffectiveText(int group) const {
    const CWordGroupInput& input = groups_[group];
    return input.on ? std::string(TrimWhite(input.text)) : std::string();
}

int CGeneralPageModel::EffectiveKind(int group) const {
    return KindOfIndex(groups_[group].kindIndex);
}

bool CGeneralPageModel::AddGroups(CCriteria& criteria, int validationMode) const {
    const CTermMapper* mapper = &inputMapper_;
    return criteria.AddWordTerm(EffectiveText(kGroupA), validationMode, mapper,
                                EffectiveKind(kGroupA)) &&
           criteria.AddAndWordTerm(EffectiveText(kGroupB), validationMode, mapper,
                                   EffectiveKind(kGroupB)) &&
           criteria.AddExcludedWordTerm(EffectiveText(kGroupC), validationMode, mapper,
                                        EffectiveKind(kGroupC));
}

void CGeneralPageModel::Validate() {
    const bool identical = mode_ == EMode::Identical;
    int state = kPageEmpty;
    std::string message;
    CCriteria scratch;
    if (!classes_.empty()) {
        std::string expanded;
        if (!ExpandClassMacros(options_, classes_, expanded)) {
            message = "Invalid macro name.";
            state = kPageError;
        } else if (!scratch.SetClasses(expanded)) {
            message =
                scratch.GetLastError().empty() ? "Invalid class list." : scratch.GetLastError();
            state = kPageError;
        } else if (!scratch.HasAllClasses() && !scratch.GetClasses().IsEmpty()) {
            // "All" reads as an empty list: no class restriction either.
            state = identical ? kPagePartial : kPageEntered;
        }
    }
    if (state != kPageError) {
        for (int group = 0; group < kGroupCount; ++group)
            if (!EffectiveText(group).empty())
                state = kPageEntered;
        if (!AddGroups(scratch, identical ? kValidateQuickSearch : kValidateSearchDialog)) {
            message = scratch.GetLastError();
            state = kPageError;
        } else if (identical) {
            scratch.SetDefaultStatus();
            if (!scratch.IsUnrestricted())
                state = kPageError;
        }
    }
    SetState(state, message);
}

void CGeneralPageModel::Store(CCriteria& criteria) const {
    // The classes as Validate read them: a keyword not yet re-formatted still restricts.
    std::string classes;
    ExpandClassMacros(options_, classes_, classes);
    criteria.SetClasses(classes);
    AddGroups(criteria, kValidateSearchDialog);
}

void CGeneralPageModel::Clear() {
    classes_.clear();
    for (int group = 0; group < kGroupCount; ++group)
        groups_[group] = {"", 0, mode_ == EMode::Identical || group == kGroupA};
    locate_.clear();
    Validate();
}

void CGeneralPageModel::SetClasses(const std::string& text) {
    classes_ = text;
    Validate();
}

void CGeneralPageModel::SetGroupText(int group, const std::string& text) {
    groups_.at(group).text = text;
    Validate();
}

void CGeneralPageModel::SetGroupKind(int group, int kindIndex) {
    if (mode_ == EMode::Identical)
        return;
    groups_.at(group).kindIndex =
        kindIndex >= 0 && kindIndex < static_cast<int>(kKindItems.size()) ? kindIndex : 0;
    Validate();
}

void CGeneralPageModel::SetGroupOn(int group, bool on) {
    if (mode_ == EMode::Identical || group == kGroupA)
        return;
    groups_.at(group).on = on;
    Validate();
}

void CGeneralPageModel::OnClassesFocusLost() {
    if (GetFocusCheck() && !classes_.empty())
        SetClasses(ReformatClassField(options_, classes_));
}

CFinderRequest CGeneralPageModel::MakeFinderRequest(bool index) const {
    CFinderRequest request;
    request.dialog = CFinderRequest::EDialog::Narrow;
    request.text = locate_;
    request.mode = index ? kIndexMode : kFinderMode;
    request.databases = GetSelectedDatabases();
    SplitCommaList(groups_[kGroupA].text, request.values);
    request.maximum = kMaxFinderTerms;
    request.caption = index ? "Word Index" : "Word Finder";
    return request;
}

void CGeneralPageModel::ApplyFinderChoice(const std::vector<std::string>& terms) {
    std::string text;
    JoinTerms(terms, text, ' ', nullptr);
    SetGroupText(kGroupA, text);
}
