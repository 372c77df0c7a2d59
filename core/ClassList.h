#pragma once
// A set of goods and services classes in four families: 'A' (the two classes A and B),
// '3' (301-350), '4' (1-45) and 'U' (US classes 1-108). Empty means no class was chosen.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CClassList {
public:
    CClassList() = default;
    CClassList(const CClassList&) = default;
    CClassList& operator=(const CClassList&) = default;
    virtual ~CClassList() = default;

    void Clear() { SetAll(false); }
    void SetAll(bool value) { flags_.fill(value ? 1 : 0); }
    bool IsAll() const;
    bool IsEmpty() const;

    // A number outside its family's range reads false and is not written.
    bool HasClass(char family, int number) const;
    void SetClass(char family, int number, bool value);
    // Sets every class that the other list has.
    void Merge(const CClassList& other);

    // Clears, then reads a text such as "9, 35-38, 301, A, US12". "All" leaves the list empty
    // (all classes once criteria are completed). On failure *errorPosition receives the index at
    // which the failing token was read; the classes read before it stay set.
    bool SetFromText(const std::string& text, std::size_t* errorPosition = nullptr);

    // "9,35-38" (ranges of three or more compressed when asked), "All" when every class is set.
    std::string GetSummaryText(bool compressRanges) const;
    // One item per set class of the named families ("43AU" order whatever the letters' order).
    void GetClassItems(std::vector<std::string>& items, const std::string& families) const;
    void GetText(std::vector<std::string>& items) const { GetClassItems(items, "43AU"); }

    // 1 equal, 2 this a strict superset, 3 this a strict subset, 0 neither contains the other.
    int Compare(const CClassList& other) const;

private:
    static constexpr std::size_t kFlagCount = 2 + 50 + 45 + 108;

    std::array<std::uint8_t, kFlagCount> flags_{};
};
