#pragma once
// What the reader of old examination files asks of the registers.

#include <cstdint>
#include <string>

class IRegisterCodeNames {
public:
    virtual ~IRegisterCodeNames() = default;
    // The register's text of an old numeric code: kind 0 owner, 1 agent, 2 image category.
    virtual std::string CodeToString(char code, std::uint32_t value, int kind) const = 0;
};
