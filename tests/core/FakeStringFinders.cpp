#include "FakeStringFinders.h"

#include "core/Latin1.h"

#include <algorithm>

namespace {

class CFakeMergedList : public CMergedStringList {
public:
    explicit CFakeMergedList(std::vector<CFoundString> entries) : entries_(std::move(entries)) {}

    bool GetAt(int position, CFoundString& entry) override {
        next_ = static_cast<std::size_t>(position);
        return MergeNext(entry);
    }

    bool MergeNext(CFoundString& entry) override {
        if (next_ >= entries_.size())
            return false;
        entry = entries_[next_++];
        return true;
    }

private:
    std::vector<CFoundString> entries_;
    std::size_t next_ = 0;
};

} // namespace

void CFakeStringFinders::AddRegister(char code, std::vector<std::string> words) {
    std::sort(words.begin(), words.end(), LessNoCaseLatin1);
    registers_[code] = std::move(words);
}

void CFakeStringFinders::FailRegister(char code) {
    registers_.erase(code);
}

std::unique_ptr<CMergedStringList> CFakeStringFinders::OpenMerge(const std::string& text, int mode,
                                                                 int pageSize) {
    requests_.push_back({text, mode, pageSize});
    if (registers_.empty())
        return nullptr;
    std::vector<CFoundString> merged;
    for (const auto& [code, words] : registers_) {
        auto word = std::lower_bound(words.begin(), words.end(), text, LessNoCaseLatin1);
        for (int count = 0; word != words.end() && count < pageSize; ++word, ++count) {
            const CFoundString entry(*word, 0, 1, code);
            const auto same = std::find_if(merged.begin(), merged.end(), [&](const auto& held) {
                return EqualNoCaseLatin1(held.GetText(), entry.GetText());
            });
            if (same == merged.end())
                merged.push_back(entry);
            else
                same->AddCodes(entry);
        }
    }
    std::stable_sort(merged.begin(), merged.end(), [](const auto& a, const auto& b) {
        return LessNoCaseLatin1(a.GetText(), b.GetText());
    });
    return std::make_unique<CFakeMergedList>(std::move(merged));
}
