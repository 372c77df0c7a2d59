#pragma once
// String finders that hold one fixed word list, whatever the text and the engines; the engine
// sets they were made for are kept.

#include "core/MergedStringSource.h"
#include "engines/ZrDbEngineSet.h"

#include <memory>
#include <string>
#include <vector>

class CWordListSource : public CMergedStringSource {
public:
    explicit CWordListSource(std::vector<std::string> words) : words_(std::move(words)) {}

    std::unique_ptr<CMergedStringList> OpenMerge(const std::string&, int, int) override {
        return std::make_unique<CList>(words_);
    }

    // A factory for the wizard; with no words it gives no finders at all.
    static auto Factory(std::vector<std::string> words, std::vector<CZrDbEngineSet>& madeFor) {
        return [words, &madeFor](const CZrDbEngineSet& engines) {
            madeFor.push_back(engines);
            return words.empty() ? nullptr : std::make_unique<CWordListSource>(words);
        };
    }

private:
    class CList : public CMergedStringList {
    public:
        explicit CList(const std::vector<std::string>& words) : words_(words) {}
        bool GetAt(int position, CFoundString& entry) override {
            next_ = position;
            return MergeNext(entry);
        }
        bool MergeNext(CFoundString& entry) override {
            if (next_ >= static_cast<int>(words_.size()))
                return false;
            entry = CFoundString(words_[next_], 0, 1, 'u');
            ++next_;
            return true;
        }

    private:
        const std::vector<std::string>& words_;
        int next_ = 0;
    };

    std::vector<std::string> words_;
};
