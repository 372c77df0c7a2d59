#pragma once
// A backslash-separated address divided into six fixed lines for the reports: street part,
// locality, town, county, postcode and country. Lines it cannot place stay together in line 1.

#include <array>
#include <string>
#include <string_view>

class CAddressSplitter {
public:
    explicit CAddressSplitter(std::string_view address);
    virtual ~CAddressSplitter() = default;

    const std::string& GetLine1() const { return lines_[0]; }
    const std::string& GetLine2() const { return lines_[1]; }
    const std::string& GetLine3() const { return lines_[2]; }
    const std::string& GetLine4() const { return lines_[3]; }
    const std::string& GetLine5() const { return lines_[4]; }
    const std::string& GetLine6() const { return lines_[5]; }

private:
    std::array<std::string, 6> lines_;
};
