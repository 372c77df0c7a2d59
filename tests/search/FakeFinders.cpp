#include "FakeFinders.h"

namespace {

class CFakeFinder : public IRemoteStringFinder {
public:
    CFakeFinder(char code, const CFakeRegister& list, CFakeFinderFactory& factory)
        : code_(code), list_(list), factory_(factory) {}

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
        factory_.Log(std::string(1, code_) + "." + call);
        return list_.failFromCall == 0 || ++calls_ < list_.failFromCall;
    }

    char code_;
    const CFakeRegister& list_;
    CFakeFinderFactory& factory_;
    int calls_ = 1;
};

} // namespace

std::vector<CFinderReplyEntry> CFakeFinderFactory::Texts(const std::vector<std::string>& texts) {
    std::vector<CFinderReplyEntry> entries;
    for (std::size_t i = 0; i < texts.size(); ++i)
        entries.push_back({0, static_cast<std::uint32_t>(i + 1), texts[i]});
    return entries;
}

std::unique_ptr<IRemoteStringFinder> CFakeFinderFactory::Create(char code, const std::string& text,
                                                                int mode) {
    Log(std::string(1, code) + ".Create(" + text + "," + std::to_string(mode) + ")");
    const auto found = registers_.find(code);
    if (found == registers_.end() || found->second.failFromCall == 1)
        return nullptr;
    return std::make_unique<CFakeFinder>(code, found->second, *this);
}

void CFakeFinderFactory::Log(std::string call) {
    std::lock_guard lock(mutex_);
    calls_.push_back(std::move(call));
}

std::vector<std::string> CFakeFinderFactory::Calls(const std::string& prefix) {
    std::lock_guard lock(mutex_);
    std::vector<std::string> found;
    for (const std::string& call : calls_)
        if (call.rfind(prefix, 0) == 0)
            found.push_back(call);
    return found;
}

void CFakeFinderFactory::ClearLog() {
    std::lock_guard lock(mutex_);
    calls_.clear();
}
