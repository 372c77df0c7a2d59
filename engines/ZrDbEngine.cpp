#include "engines/ZrDbEngine.h"

#include <atomic>
#include <cstdio>
#include <utility>

namespace {

std::atomic<bool> sortByLocation{false};

int FoldDbCode(int code) {
    return code == 'I' ? 'i' : code;
}

std::string LocationWord(std::uint32_t rank, std::uint32_t flags) {
    switch (rank) {
    case CZrDbEngine::kHardDisc:
        return "Hard Disc";
    case CZrDbEngine::kLan:
        return "Lan";
    case CZrDbEngine::kInternet:
        return "Internet";
    default: {
        char text[16];
        std::snprintf(text, sizeof text, "0x%08X", flags);
        return text;
    }
    }
}

} // namespace

CZrDbEngine::CZrDbEngine(int code) : dbCode_(FoldDbCode(code)), engineCode_(code) {}

CZrDbEngine::CZrDbEngine(int code, std::uint32_t flags, const CZrDate& dataDate, std::string name,
                         ZrEngine_ptr engine, std::uint32_t sessionId)
    : dbCode_(FoldDbCode(code)), engineCode_(code), flags_(flags), dataDate_(dataDate),
      date2_(dataDate), name_(std::move(name)), engine_(ZrEngine::_duplicate(engine)),
      sessionId_(sessionId) {}

bool CZrDbEngine::operator==(const CZrDbEngine& other) const {
    return engine_.in() == other.engine_.in();
}

bool CZrDbEngine::operator<(const CZrDbEngine& other) const {
    const std::uint32_t rank = GetLocationRank();
    const std::uint32_t otherRank = other.GetLocationRank();
    if (GetSortByLocation()) {
        if (rank != otherRank)
            return rank < otherRank;
        return other.dataDate_ < dataDate_;
    }
    if (dataDate_ != other.dataDate_)
        return other.dataDate_ < dataDate_;
    return rank < otherRank;
}

void CZrDbEngine::SetSortByLocation(bool byLocation) {
    sortByLocation = byLocation;
}

bool CZrDbEngine::GetSortByLocation() {
    return sortByLocation;
}

void CZrDbEngine::Disconnect(const char* password) {
    if (sessionId_ == 0)
        return;
    if (!IsNil()) {
        try {
            engine_->DropSession(sessionId_, password ? password : "");
        } catch (const CORBA::SystemException&) {
            // The engine is gone or unreachable: its session has gone with it.
        }
    }
    sessionId_ = 0;
}

std::string CZrDbEngine::GetLocationLabel() const {
    if (flags_ & kInternet)
        return "Web";
    if (flags_ & kCd)
        return "CD";
    if (flags_ & kLan)
        return "Lan";
    if (flags_ & kHardDisc)
        return "HD";
    return "";
}

std::string CZrDbEngine::GetVariantLabel() const {
    std::string label = GetLocationLabel();
    if (!name_.empty())
        label += "(" + name_ + ")";
    return label;
}

std::string CZrDbEngine::Describe(std::string_view dbShortName) const {
    const std::string name(dbShortName);
    if (IsNil())
        return name + " has no Engine connection";
    return name + " on " + LocationWord(GetLocationRank(), flags_) + "(" + name_ + ") up to " +
           dataDate_.Format() + "  SessionId: " + std::to_string(sessionId_);
}
