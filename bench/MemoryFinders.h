#pragma once
// String finders in memory for the benchmarks: twelve registers, each holding about a third of
// 15,000 words, answering after a delay when asked.

#include "search/RemoteStringFinder.h"

#include <chrono>
#include <map>
#include <memory>
#include <random>
#include <thread>
#include <vector>

namespace bench {

// The registers the finders serve.
inline constexpr const char* kRegisters = "acdeiknopstu";

// A register's word list in memory, answering after a delay.
class CMemoryFinder : public IRemoteStringFinder {
public:
    CMemoryFinder(const std::vector<CFinderReplyEntry>& entries, int delayMs)
        : entries_(entries), delayMs_(delayMs) {}

    bool GetStrings(std::int32_t from, std::int32_t to,
                    std::vector<CFinderReplyEntry>& entries) override {
        if (delayMs_ > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(delayMs_));
        entries.clear();
        for (std::int64_t index = from; index <= to; ++index) {
            if (index >= 0 && index < static_cast<std::int64_t>(entries_.size()))
                entries.push_back(entries_[static_cast<std::size_t>(index)]);
            else
                entries.push_back({0xFFFFFFFFu, 0, ""});
        }
        return true;
    }
    void Dispose() override {}

private:
    const std::vector<CFinderReplyEntry>& entries_;
    int delayMs_;
};

// Twelve registers, each holding about a third of 15,000 words.
class CMemoryFinders : public IRemoteFinderFactory {
public:
    static CMemoryFinders& Get() {
        static CMemoryFinders finders;
        return finders;
    }
    std::unique_ptr<IRemoteStringFinder> Create(char code, const std::string&, int) override {
        return std::make_unique<CMemoryFinder>(lists_.at(code), delayMs_);
    }
    void SetDelay(int milliseconds) { delayMs_ = milliseconds; }

private:
    CMemoryFinders() {
        std::mt19937 random(12);
        for (int word = 0; word < 15000; ++word) {
            const std::string text = "W" + std::to_string(100000 + word);
            for (char code : std::string(kRegisters))
                if (random() % 3 == 0)
                    lists_[code].push_back({0, static_cast<std::uint32_t>(word), text});
        }
    }

    std::map<char, std::vector<CFinderReplyEntry>> lists_;
    int delayMs_ = 0;
};

} // namespace bench
