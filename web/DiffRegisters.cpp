#include "web/DiffRegisters.h"

#include "registers/AppNumFormats.h"
#include "web/Diffs.h"

#include <array>

namespace {

template <typename Diff>
class TDiffCheck : public IDiffCheck {
public:
    TDiffCheck(CWebClient& client, const CWebServers& servers) : site_(client, servers) {}
    bool CheckMark(std::uint32_t number, const CZrData& record, CDiffReporter& reporter) override {
        return diff_.CheckMark(site_, number, record, reporter);
    }

private:
    typename Diff::SiteType site_;
    Diff diff_;
};

template <typename Diff>
std::unique_ptr<IDiffCheck> MakeCheck(CWebClient& client, const CWebServers& servers) {
    return std::make_unique<TDiffCheck<Diff>>(client, servers);
}

// A page the parser cannot read to its end (tables nested too deep) is the mark's error.
template <typename Diff>
std::vector<std::string> CompareWith(std::string_view text, const CZrData& record,
                                     CDiffReporter& reporter) {
    typename Diff::PageType page;
    page.ParseDecoded(text);
    if (!page.GetError().empty()) {
        reporter.ReportError(page.GetError());
        return {};
    }
    Diff diff;
    return diff.ComparePage(page, record, reporter);
}

template <typename Diff>
constexpr CDiffRegister Checked(char code, std::string_view label, std::string_view numberField,
                                AppNumParser parseNumber) {
    return {code, label, numberField, parseNumber, MakeCheck<Diff>, CompareWith<Diff>};
}

constexpr std::array<CDiffRegister, 10> kRegisters = {{
    Checked<CDiffA6>('a', "RW", "APPNUM", ParseA6AppNum),
    Checked<CDiffCtm>('c', "CTM", "APPNUM", ParseAppNum),
    Checked<CDiffDe>('d', "DE", "APPNUM", ParseDeAppNum),
    Checked<CDiffIe>('e', "IE", "APPNUM", ParseIeAppNum),
    Checked<CDiffIn>('i', "IR", "APPNUM", ParseInAppNum),
    Checked<CDiffUkdom>('k', "UKDOM", "WORDMARK", nullptr),
    Checked<CDiffUs>('s', "US", "SERNUM", ParseUsAppNum),
    Checked<CDiffUk>('u', "UK", "APPNUM", ParseUkAppNum),
    {'o', "CD", "APPNUM", ParseCdAppNum, nullptr, nullptr},
    {'p', "PL", "APPNUM", ParsePlAppNum, nullptr, nullptr},
}};

constexpr char kCommunityDesigns = 'o';

} // namespace

const CDiffRegister* FindDiffRegister(int code) {
    for (const CDiffRegister& entry : kRegisters)
        if (entry.code == code)
            return &entry;
    return nullptr;
}

bool ComparePage(int code, std::string_view text, const CZrData& record, CDiffReporter& reporter,
                 std::vector<std::string>& checkedFields) {
    checkedFields.clear();
    const CDiffRegister* entry = FindDiffRegister(code);
    if (entry && entry->comparePage) {
        checkedFields = entry->comparePage(text, record, reporter);
        return true;
    }
    return code == kCommunityDesigns;
}
