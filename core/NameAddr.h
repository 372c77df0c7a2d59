#pragma once
// A name with its address as a page lists it: the cleaned name, a cleaned second text (the
// address, as the page parsers fill it) and the address lines when the page gives them apart.

#include "core/CleanString.h"

#include <string>
#include <vector>

class CNameAddr {
public:
    CNameAddr() = default;
    CNameAddr(const CNameAddr&) = default;
    CNameAddr& operator=(const CNameAddr&) = default;
    virtual ~CNameAddr() = default;

    void Clear() {
        name.Empty();
        address.Empty();
        lines.clear();
    }
    bool IsEmpty() const { return name.IsEmpty() && address.IsEmpty(); }

    CCleanString name;
    CCleanString address;
    std::vector<std::string> lines;
};
