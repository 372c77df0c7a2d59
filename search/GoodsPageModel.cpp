#include "search/GoodsPageModel.h"

#include "core/Criteria.h"
#include "core/UserOptions.h"

CGoodsPageModel::CGoodsPageModel(const CUserOptions& options) : CSearchPageModel("Goods") {
    options.FillInputMapper(inputMapper_);
    options.FillDisplayMapper(displayMapper_);
}

void CGoodsPageModel::Load(const CCriteria& criteria) {
    texts_[kGroupA] = criteria.GetGoodsTermsText(&displayMapper_);
    texts_[kGroupB] = criteria.GetAndGoodsTermsText(&displayMapper_);
    texts_[kGroupC] = criteria.GetExcludedGoodsTermsText(&displayMapper_);
}

bool CGoodsPageModel::AddGroups(CCriteria& criteria) const {
    return criteria.AddGoodsTerm(texts_[kGroupA], &inputMapper_) &&
           criteria.AddAndGoodsTerm(texts_[kGroupB], &inputMapper_) &&
           criteria.AddExcludedGoodsTerm(texts_[kGroupC], &inputMapper_);
}

void CGoodsPageModel::Validate() {
    CCriteria scratch;
    if (!AddGroups(scratch)) {
        SetState(kPageError, scratch.GetLastError());
        return;
    }
    const bool any =
        !texts_[kGroupA].empty() || !texts_[kGroupB].empty() || !texts_[kGroupC].empty();
    SetState(any ? kPageEntered : kPageEmpty, "");
}

void CGoodsPageModel::Store(CCriteria& criteria) const {
    AddGroups(criteria);
}

void CGoodsPageModel::Clear() {
    texts_ = {};
    Validate();
}

void CGoodsPageModel::SetText(int group, const std::string& text) {
    texts_.at(group) = text;
    Validate();
}
