#pragma once
// The designated countries of a search: one flag per row of a fixed table of 101 countries.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class CCountryList {
public:
    static constexpr int kCount = 101;

    CCountryList() = default;
    CCountryList(const CCountryList&) = default;
    CCountryList& operator=(const CCountryList&) = default;
    virtual ~CCountryList() = default;

    void Clear() { SetAll(false); }
    void SetAll(bool value) { flags_.fill(value ? 1 : 0); }
    bool IsAll() const;
    bool IsEmpty() const;
    // Some but not all countries set.
    bool IsPartial() const { return !IsAll() && !IsEmpty(); }

    // An index outside 0 to 100 reads false and is not written.
    bool HasCountry(int index) const;
    void SetCountry(int index, bool value);
    // The row whose code equals the text, ignoring case; an unknown code changes nothing.
    void SetCode(const std::string& code, bool value);
    // Clears, then sets every listed two-letter code ("gb, FR"); other pieces are ignored.
    void SetFromText(const std::string& text);

    // The set codes in table order joined by ','; empty when all are set.
    std::string GetText() const;
    // The set codes in table order; empty when all are set.
    void GetCodes(std::vector<std::string>& codes) const;
    int GetCount() const { return kCount; }

private:
    std::array<std::uint8_t, kCount> flags_{};
};

// The code of a table row and, through the output, its display name; empty texts for an index
// outside 0 to 100.
std::string CountryCodeAt(int index, std::string* name = nullptr);
