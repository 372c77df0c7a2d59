#include "report/job/ReportVector.h"

#include "core/AddressSplitter.h"
#include "core/SmallHelpers.h"
#include "report/job/ReportLists.h"

#include <algorithm>
#include <climits>

namespace {

// The list field named, for the mark or for the watched mark.
bool IsList(std::string_view field, std::string_view name) {
    return EqualsNoCase(field, name) || EqualsNoCase(field, "WATCH_" + std::string(name));
}

} // namespace

CReportVector::CReportVector(const ReportAttributes& attributes) {
    for (const auto& [key, value] : attributes) {
        if (key == "FIELD")
            field_ = value;
        else if (key == "FIRST")
            first_ = ReadBlockNumber(value, 0, 0);
        else if (key == "LAST")
            last_ = ReadBlockNumber(value, 0, INT_MIN);
    }
}

PairList CReportVector::BuildEntries() {
    if (IsList(field_, "HISTORY"))
        return ParseHistoryList(LookupField(field_));
    if (IsList(field_, "TXHISTORY1"))
        return ParseTxHistoryList(LookupField(field_));
    PairList pairs;
    if (IsList(field_, "TXHISTORY2"))
        ParsePairList(LookupField("2"), pairs);
    else if (EqualsNoCase(field_, "ENGOODS"))
        ParsePairList(LookupField("GOODS"), pairs);
    else if (EqualsNoCase(field_, "WATCH_ENGOODS"))
        ParsePairList(LookupField("WATCH_GOODS"), pairs);
    else
        ParsePairList(LookupField(field_), pairs);
    return IsList(field_, "ENGOODS") ? FilterEnglishGoods(pairs) : pairs;
}

bool CReportVector::Evaluate(CReportPresenter& presenter, CReportInfo& info) {
    entries_ = BuildEntries();
    const int count = static_cast<int>(std::min<std::size_t>(entries_.size(), INT_MAX));
    for (int index = first_; index <= last_ && index < count; ++index) {
        current_ = index;
        const bool written = EvaluateChildren(presenter, info);
        current_ = -1;
        if (!written)
            return false;
    }
    return true;
}

std::string CReportVector::LookupField(std::string_view name) {
    using Block = CReportVector;
    static constexpr CReportFieldEntry<Block> kFields[] = {
        {"1", [](Block& block) { return block.Entry().first; }},
        {"2", [](Block& block) { return block.Entry().second; }},
        {"2P1",
         [](Block& block) {
             const std::string& text = block.Entry().second;
             return text.substr(0, text.find(':'));
         }},
        {"2P2",
         [](Block& block) {
             const std::string& text = block.Entry().second;
             const std::size_t colon = text.find(':');
             return colon == std::string::npos ? std::string() : text.substr(colon + 1);
         }},
        {"2SINGLELINE",
         [](Block& block) {
             return ReplaceAll(ReplaceAll(block.Entry().second, "\\", ", "), ",,", ",");
         }},
        {"2ADDR1", [](Block& block) { return CAddressSplitter(block.Entry().second).GetLine1(); }},
        {"2ADDR2", [](Block& block) { return CAddressSplitter(block.Entry().second).GetLine2(); }},
        {"2CITY", [](Block& block) { return CAddressSplitter(block.Entry().second).GetLine3(); }},
        {"2STATE", [](Block& block) { return CAddressSplitter(block.Entry().second).GetLine4(); }},
        {"2POSTCODE",
         [](Block& block) { return CAddressSplitter(block.Entry().second).GetLine5(); }},
        {"2COUNTRY",
         [](Block& block) { return CAddressSplitter(block.Entry().second).GetLine6(); }},
        {"#", [](Block& block) { return std::to_string(block.current_ + 1); }},
    };
    std::string value;
    if (current_ >= 0 && LookupIn(kFields, *this, name, value))
        return value;
    return CReportContainer::LookupField(name);
}

std::string CReportVector::Describe() const {
    return "VECT: " + field_ + " " + std::to_string(first_) + "-" + std::to_string(last_);
}
