#pragma once
// The General page: the classes and three groups of word-mark terms, the main group A, group B
// AND-ed with it and group C excluded. In normal mode (the full sheet) each group has a match
// kind, and groups B and C are switched on by their check boxes; in identical mode (the
// identical-mark sheet) every group matches words or patterns, classes alone are not enough to
// search on, and the words must make a search for identical marks. Terms are typed in the
// user's wildcard characters and shown in them.

#include "core/TermMapper.h"
#include "search/FinderRequest.h"
#include "search/SearchPageModel.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

class CUserOptions;

// One word group as the page shows it.
struct CWordGroupInput {
    std::string text;
    int kindIndex = 0; // the match-kind combo's item
    bool on = true;    // groups B and C of normal mode are switched off by their check boxes
};

class CGeneralPageModel : public CSearchPageModel {
public:
    enum class EMode { Normal, Identical };
    enum EGroup : int { kGroupA = 0, kGroupB = 1, kGroupC = 2 };
    static constexpr int kGroupCount = 3;
    // The finder may hand back this many terms for group A.
    static constexpr int kMaxFinderTerms = 12;
    static constexpr int kIndexMode = 4;
    static constexpr int kFinderMode = 5;

    // The match-kind combo's items; "<b>" and "</b>" switch bold on and off.
    static const std::array<std::string_view, 5> kKindItems;
    // The term kind of a combo item and back; an unknown kind shows as the first item.
    static int KindOfIndex(int index);
    static int IndexOfKind(int kind);

    CGeneralPageModel(EMode mode, const CUserOptions& options);

    void Load(const CCriteria& criteria) override;
    void Validate() override;
    void Store(CCriteria& criteria) const override;
    void Clear() override;

    EMode GetMode() const { return mode_; }
    const std::string& GetClasses() const { return classes_; }
    const CWordGroupInput& GetGroup(int group) const { return groups_.at(group); }
    const std::string& GetLocate() const { return locate_; }
    // Whether the group's edit (and combo) are shown and enabled.
    bool IsGroupShown(int group) const;

    // Each change validates the page.
    void SetClasses(const std::string& text);
    void SetGroupText(int group, const std::string& text);
    void SetGroupKind(int group, int kindIndex);
    void SetGroupOn(int group, bool on);
    void SetLocate(const std::string& text) { locate_ = text; }

    // The class field lost the focus: it shows its list in compact form, unless the user is
    // leaving or clearing the sheet.
    void OnClassesFocusLost();

    // "&Index" (index true) or "&Finder": the terms of group A are the values chosen so far.
    CFinderRequest MakeFinderRequest(bool index) const;
    // The finder's chosen terms become group A.
    void ApplyFinderChoice(const std::vector<std::string>& terms);

private:
    // The text validated and stored: trimmed of blanks, empty while the group is off.
    std::string EffectiveText(int group) const;
    int EffectiveKind(int group) const;
    // Adds the three groups to the criteria; false at the first refused, the reason in the
    // criteria's last error.
    bool AddGroups(CCriteria& criteria, int validationMode) const;

    EMode mode_;
    const CUserOptions& options_;
    CTermMapper inputMapper_;
    CTermMapper displayMapper_;
    std::string classes_;
    std::array<CWordGroupInput, kGroupCount> groups_;
    std::string locate_;
};
