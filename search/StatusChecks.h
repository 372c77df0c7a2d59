#pragma once
// The four mark statuses as check boxes show them, and as status letters in the order r
// (Registered), p (Pending), l (Lapsed), a (Abandoned).

#include <string>

struct CStatusChecks {
    bool registered = true;
    bool pending = true;
    bool lapsed = true;
    bool abandoned = true;

    bool operator==(const CStatusChecks&) const = default;

    std::string GetLetters() const;
    static CStatusChecks FromLetters(const std::string& letters);
};
