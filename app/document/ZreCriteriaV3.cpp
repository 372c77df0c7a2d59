// The old fixed criteria record of version-3 examination files, turned into today's criteria.

#include "app/document/BinaryData.h"
#include "app/document/RegisterCodeNames.h"
#include "app/document/ZreFileVer3.h"
#include "core/ClassList.h"
#include "core/Criteria.h"

#include <string>
#include <vector>

namespace {

// Offsets within the record.
constexpr std::size_t kStatus = 0;
constexpr std::size_t kSet = 4;
constexpr std::size_t kSetLength = 64;
constexpr std::size_t kClasses = 68;
constexpr std::size_t kDateFrom = 324;
constexpr std::size_t kDateTo = 328;
constexpr std::size_t kAppNumFrom = 332;
constexpr std::size_t kAppNumTo = 336;
constexpr std::size_t kOwnerCodes = 340;
constexpr std::size_t kAgentCodes = 404;
constexpr std::size_t kImageCodes = 468;
constexpr int kCodeCount = 16;
constexpr std::size_t kWords = 532;
constexpr std::size_t kAndWords = 660;
constexpr int kWordCount = 8;
constexpr std::size_t kWordSize = 16;

// Status bits and their letters, in the order the letters are written.
constexpr struct {
    std::uint32_t bit;
    char letter;
} kStatusBits[] = {{0x200000, 'r'}, {0x800000, 'p'}, {0x400000, 'l'}, {0x1000000, 'a'}};

class COldClasses {
public:
    void Set(const CBinaryReader& in, std::size_t flagOffset, char family, int number) {
        if (in.U8(flagOffset) != 0)
            classes_.SetClass(family, number, true);
        else
            allSet_ = false;
    }
    // With the 'A' flag and every other flag, every class.
    std::string GetText(const CBinaryReader& in, std::size_t flagOffset) {
        if (in.U8(flagOffset) != 0) {
            classes_.SetClass('A', 0, true);
            if (allSet_)
                classes_.SetAll(true);
        }
        return classes_.GetSummaryText(true);
    }

private:
    CClassList classes_;
    bool allSet_ = true;
};

std::string ReadClasses(const CBinaryReader& in, std::size_t block, char registerCode) {
    COldClasses classes;
    switch (registerCode) {
    case 'u':
        for (int i = 0; i < 50; ++i)
            classes.Set(in, block + 2 + 2 * i, '3', 301 + i);
        for (int i = 0; i < 42; ++i)
            classes.Set(in, block + 130 + 2 * i, '4', 1 + i);
        return classes.GetText(in, block + 214);
    case 'c':
        for (int i = 0; i < 42; ++i)
            classes.Set(in, block + 1 + i, '4', 1 + i);
        return classes.GetText(in, block + 43);
    default:
        return {};
    }
}

std::vector<std::string> ReadWords(const CBinaryReader& in, std::size_t at) {
    std::vector<std::string> words;
    for (int i = 0; i < kWordCount; ++i) {
        std::string word = in.Text(at + i * kWordSize, kWordSize);
        if (!word.empty())
            words.push_back(std::move(word));
    }
    return words;
}

template <typename Add>
void ReadCodes(const CBinaryReader& in, std::size_t at, char registerCode, int kind,
               const IRegisterCodeNames& codeNames, Add add) {
    for (int i = 0; i < kCodeCount; ++i) {
        if (const std::uint32_t code = in.U32(at + 4 * i))
            add(codeNames.CodeToString(registerCode, code, kind));
    }
}

} // namespace

CCriteria ConvertV3Criteria(const CBinaryReader& in, std::size_t offset, char registerCode,
                            const IRegisterCodeNames& codeNames) {
    in.Require(offset, 1, CZreFileVer3::kOldCriteriaSize, "an old criteria record");
    CCriteria criteria;
    criteria.SetDbIds(registerCode ? std::string(1, registerCode) : std::string());

    std::string status;
    const std::uint32_t statusBits = in.U32(offset + kStatus);
    for (const auto& [bit, letter] : kStatusBits) {
        if ((statusBits & bit) != 0)
            status += letter;
    }
    criteria.SetStatus(status);

    if (std::string set = in.Text(offset + kSet, kSetLength); !set.empty())
        criteria.SetSet(set);
    criteria.SetClasses(ReadClasses(in, offset + kClasses, registerCode));

    if (const std::uint32_t key = in.U32(offset + kDateFrom))
        criteria.SetAppDateFrom(CZrDate(key).Format());
    if (const std::uint32_t key = in.U32(offset + kDateTo))
        criteria.SetAppDateTo(CZrDate(key).Format());
    if (const std::uint32_t number = in.U32(offset + kAppNumFrom))
        criteria.SetAppNumFrom(std::to_string(number >> 8));
    if (const std::uint32_t number = in.U32(offset + kAppNumTo))
        criteria.SetAppNumTo(std::to_string(number >> 8));

    ReadCodes(in, offset + kOwnerCodes, registerCode, 0, codeNames,
              [&](const std::string& name) { criteria.AddOwnerName(name); });
    ReadCodes(in, offset + kAgentCodes, registerCode, 1, codeNames,
              [&](const std::string& name) { criteria.AddAgentName(name); });
    ReadCodes(in, offset + kImageCodes, registerCode, 2, codeNames,
              [&](const std::string& code) { criteria.AddImageCat(code); });

    criteria.SetWordTerms(ReadWords(in, offset + kWords));
    criteria.SetAndWordTerms(ReadWords(in, offset + kAndWords));
    return criteria;
}
