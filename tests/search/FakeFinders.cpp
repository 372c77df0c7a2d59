#include "FakeFinders.h"

#include <chrono>
#include <thread>

namespace {

class CFakeFinder : public IRemoteStringFinder {
public:
    CFakeFinder(char code, const CFakeRegister& list, CCallLog& log)
        : code_(code), list_(list), log_(log) {}

    bool GetStrings(std::int32_t from, std::int32_t to,
                    std::vector<CFinderReplyEntry>& entries) override {
        if (!Enter("Get(" + std::to_string(from) + "," + std::to_string(to) + ")"))
            return false;
        entries.clear();
        for (std::int64_t index = from; index <= to; ++index) {
            const std::int64_t at = static_cast<std::int64_t>(list_.located) + index;
            if (at >= 0 && at < static_cast<std::int64_t>(list_.entries.size()))
                entries.push_back(list_.entries[static_cast<std::size_t>(at)]);
            else
                entries.push_back({0xFFFFFFFFu, 0, ""});
        }
        entries.resize(entries.size() - std::min(entries.size(), list_.shortBy));
        return true;
    }
    void Dispose() override { Enter("Dispose()"); }

private:
    bool Enter(const std::string& call) {
        log_.Add(std::string(1, code_) + "." + call);
        if (list_.delayMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(list_.delayMs));
        ++calls_;
        return list_.failFromCall == 0 || calls_ < list_.failFromCall;
    }

    char code_;
    const CFakeRegister& list_;
    CCallLog& log_;
    // Create was the first call.
    int calls_ = 1;
};

} // namespace

std::vector<std::string> CCallLog::Starting(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& call : Calls())
        if (call.rfind(prefix, 0) == 0)
            found.push_back(call);
    return found;
}

std::vector<CFinderReplyEntry> CFakeFinderFactory::Texts(const std::vector<std::string>& texts) {
    std::vector<CFinderReplyEntry> entries;
    for (std::size_t i = 0; i < texts.size(); ++i)
        entries.push_back({0, static_cast<std::uint32_t>(i + 1), texts[i]});
    return entries;
}

std::unique_ptr<IRemoteStringFinder> CFakeFinderFactory::Create(char code, const std::string& text,
                                                                int mode) {
    log_.Add(std::string(1, code) + ".Create(" + text + "," + std::to_string(mode) + ")");
    const auto found = registers_.find(code);
    if (found == registers_.end() || found->second.failFromCall == 1)
        return nullptr;
    return std::make_unique<CFakeFinder>(code, found->second, log_);
}
