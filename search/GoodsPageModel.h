#pragma once
// The Goods page of the full sheet: three groups of goods and services terms, the main group
// A, group B AND-ed with it and group C excluded, typed and shown in the user's wildcard
// characters.

#include "core/TermMapper.h"
#include "search/SearchPageModel.h"

#include <array>
#include <string>

class CUserOptions;

class CGoodsPageModel : public CSearchPageModel {
public:
    enum EGroup : int { kGroupA = 0, kGroupB = 1, kGroupC = 2 };

    explicit CGoodsPageModel(const CUserOptions& options);

    void Load(const CCriteria& criteria) override;
    // Through the input mapper, as Store reads the terms: a term shown valid is never dropped.
    void Validate() override;
    void Store(CCriteria& criteria) const override;
    void Clear() override;

    const std::string& GetText(int group) const { return texts_.at(group); }
    // Validates the page.
    void SetText(int group, const std::string& text);

private:
    // False at the first refused term, the reason in the criteria's last error.
    bool AddGroups(CCriteria& criteria) const;

    CTermMapper inputMapper_;
    CTermMapper displayMapper_;
    std::array<std::string, 3> texts_;
};
