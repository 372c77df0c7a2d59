#pragma once
// The selection pages of the full sheet: a list of values picked with the string finder, owner
// names (Owners), agent names (Agents), figurative-element codes (Devices) or Locarno design
// classes (Locarno). Names may also be typed and added; codes may be required all at once
// rather than any of them.

#include "search/FinderRequest.h"
#include "search/SearchPageModel.h"

#include <string>
#include <vector>

class CSelectionPageModel : public CSearchPageModel {
public:
    // The values listed, which is also the finder mode of "&Browse...".
    enum class EKind { Owners = 0, Agents = 1, Devices = 2, Locarno = 7 };

    static constexpr int kViennaMode = 3;
    static constexpr int kLocarnoMode = 8;
    static constexpr int kMaxOwners = 50;
    static constexpr int kMaxValues = 16;

    explicit CSelectionPageModel(EKind kind);

    void Load(const CCriteria& criteria) override;
    // Devices: with the Australian database ticked, the status line says device searching is
    // unavailable there.
    void Validate() override;
    void Store(CCriteria& criteria) const override;
    void Clear() override;

    EKind GetKind() const { return kind_; }
    int GetMaximum() const;
    // Name pages add typed names; code pages have a code finder and the match-all check.
    bool IsNamePage() const { return kind_ == EKind::Owners || kind_ == EKind::Agents; }
    // "&Vienna..." or "Locarno...".
    std::string GetCodeFinderLabel() const;
    std::string GetMatchAllText() const;
    // The match-all check's text is drawn blue while it is set.
    bool IsMatchAllHighlighted() const { return matchAll_ != 0; }

    const std::vector<std::string>& GetValues() const { return values_; }
    const std::string& GetLocate() const { return locate_; }
    // -1 when no line is selected.
    int GetSelectedLine() const { return selectedLine_; }
    // The check's state: 0 off, 1 on, 2 undetermined.
    int GetMatchAll() const { return matchAll_; }
    bool CanDelete() const { return selectedLine_ >= 0; }
    bool CanAdd() const;

    void SetLocate(const std::string& text) { locate_ = text; }
    // A line outside the list selects none.
    void SelectLine(int line);
    // A state outside 0 to 2 reads as 0.
    void SetMatchAll(int state);
    // The trimmed "&Locate:" text joins the list while CanAdd.
    void Add();
    // The selected value goes; the line at its place (or the new last one) is selected.
    void Delete();

    // "&Browse..." and the code finder button.
    CFinderRequest MakeBrowseRequest() const;
    CFinderRequest MakeCodeFinderRequest() const;
    // The finder's chosen values replace the list.
    void ApplyFinderChoice(const std::vector<std::string>& values);

private:
    std::string TrimmedLocate() const;
    CFinderRequest MakeRequest() const;

    EKind kind_;
    std::vector<std::string> values_;
    std::string locate_;
    int selectedLine_ = -1;
    int matchAll_ = 0;
};
