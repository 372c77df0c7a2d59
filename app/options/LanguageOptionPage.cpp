#include "app/options/LanguageOptionPage.h"

#include "core/Languages.h"
#include "core/UserOptions.h"

#include <algorithm>

namespace {

// The value of a hexadecimal digit; 0 for any other character.
int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 0;
}

} // namespace

COptionPageLanguage::COptionPageLanguage(const CUserOptions& options) {
    const std::string& text = options.GetLangOptions();
    showDeposit_ = !text.empty() && (text[0] == 'y' || text[0] == 'Y');
    // A language is stored as one hexadecimal digit.
    for (int code : GetLanguageCodes())
        if (code > 0 && code <= 0xF && !GetLanguageName(code).empty())
            available_.push_back(code);
    availableSelection_ = available_.empty() ? -1 : 0;
    for (std::size_t i = 1; i < text.size(); ++i) {
        const int code = HexValue(text[i]);
        if (code != 0 && !GetLanguageName(code).empty())
            chosen_.push_back(code);
    }
    chosenSelection_ = chosen_.empty() ? -1 : 0;
}

bool COptionPageLanguage::CanAdd() const {
    if (availableSelection_ < 0 || availableSelection_ >= static_cast<int>(available_.size()))
        return false;
    const int code = available_[static_cast<std::size_t>(availableSelection_)];
    return std::find(chosen_.begin(), chosen_.end(), code) == chosen_.end();
}

bool COptionPageLanguage::CanDelete() const {
    return chosenSelection_ >= 0 && chosenSelection_ < static_cast<int>(chosen_.size());
}

void COptionPageLanguage::Add() {
    if (!CanAdd())
        return;
    chosen_.push_back(available_[static_cast<std::size_t>(availableSelection_)]);
    if (chosen_.size() == 1)
        chosenSelection_ = 0;
}

void COptionPageLanguage::Delete() {
    if (!CanDelete())
        return;
    chosen_.erase(chosen_.begin() + chosenSelection_);
    chosenSelection_ = std::min(chosenSelection_, static_cast<int>(chosen_.size()) - 1);
}

std::string COptionPageLanguage::GetOptionsText() const {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text = showDeposit_ ? "y" : "n";
    for (int code : chosen_)
        text += kDigits[code];
    return text;
}

void COptionPageLanguage::Apply(CUserOptions& options) {
    options.SetLangOptions(GetOptionsText());
}
