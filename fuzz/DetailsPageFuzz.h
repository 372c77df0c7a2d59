#pragma once
// One register's details-page parser on a fuzzed page, and its comparer on what it read against
// a record of every field the comparers read: nothing may crash, read out of bounds or leave
// the base's bookkeeping out of range, and Reset must leave the page as a fresh one.

#include "core/ZrData.h"
#include "tests/core/RecordBytes.h"
#include "web/DiffRun.h"
#include "web/Diffs.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace details_fuzz {

inline const CZrData& FullRecord() {
    static const CZrData record = record_bytes::TextRecord(
        {{"WORDMARK", "ACME/ZENITH"},
         {"STATUS", "Registered"},
         {"APPDATE", "5 Jan 2004"},
         {"REGDATE", "6 Jul 2004"},
         {"PUBDATE", "1 Mar 2004"},
         {"CLASSES", "9, 35"},
         {"LANG1", "EN"},
         {"LANG2", "FR"},
         {"IMCOLOURS", "English/Red"},
         {"JOURNAL", "12"},
         {"MKDUR", "10"},
         {"MARKDESCR", "A star"},
         {"ORIG_COUNTRY", "CH"},
         {"ORIG_REG", "CH 1"},
         {"MAD_AGRMNT", "FR, DE"},
         {"MAD_PROTO", "GB"},
         {"Status", "Registered"},
         {"APPNUM", "M1025"},
         {"GOODS", FormatPairList({{"9", "[English] Software"}, {"35", "Retail"}})},
         {"PROPS", FormatPairList({{"Acme Ltd", "1 High St\\London"}, {"Beta", ""}})},
         {"AGENTS", FormatPairList({{"Agents LLP", "2 Fleet St DE"}})},
         {"SERVS", FormatPairList({{"Post Ltd", "3 Quay 10115"}})}});
    return record;
}

template <typename Diff>
int Fuzz(const std::uint8_t* data, std::size_t size) {
    const std::string_view html(reinterpret_cast<const char*>(data), size);
    typename Diff::PageType page;
    page.ParseBuffer(html);
    if (page.GetDepth() < 0 || page.GetDepth() > CHtmlPage::kMaxDepth)
        __builtin_trap();
    CDiffLines lines;
    lines.SetCurrentMark("X", "1");
    Diff diff;
    diff.ComparePage(page, FullRecord(), lines);
    diff.ComparePage(page, CZrData(), lines);
    for (const std::string& line : lines.TakeLines())
        if (line.empty())
            __builtin_trap();
    return 0;
}

} // namespace details_fuzz
