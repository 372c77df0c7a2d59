#pragma once
// The registers the difference check knows, by register letter: the label and number that head a
// mark's report, the record field and parser of its number, and its site, page parser and
// comparer. The run checks a mark with them; the details window's quick compare compares a page
// it has fetched itself. Everything made here belongs to the thread that made it.

#include "core/ZrData.h"
#include "web/DiffReporter.h"
#include "web/WebClient.h"
#include "web/WebServers.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// One register's site and comparer on one thread's web client.
class IDiffCheck {
public:
    virtual ~IDiffCheck() = default;
    // True when the mark's page was fetched and compared; false when an error (or why the mark
    // is not checked) was reported instead.
    virtual bool CheckMark(std::uint32_t number, const CZrData& record,
                           CDiffReporter& reporter) = 0;
};

using AppNumParser = std::uint32_t (*)(std::string_view text, int* used);

struct CDiffRegister {
    char code;
    // Heads the mark's report: "Differences for <label> AppNum: <number text>".
    std::string_view label;
    // The record field of the number text.
    std::string_view numberField;
    // Reads the packed number from the number text; none where the text itself is checked.
    AppNumParser parseNumber;
    // The register's check; none for a register whose marks are counted but not checked.
    std::unique_ptr<IDiffCheck> (*makeCheck)(CWebClient& client, const CWebServers& servers);
    // The page's text (as its fetch decoded it) parsed by the register's parser and compared
    // with the record; the labels of the fields compared. None where nothing is compared.
    std::vector<std::string> (*comparePage)(std::string_view text, const CZrData& record,
                                            CDiffReporter& reporter);
};

// The register of the letter; none for a letter the check does not know.
const CDiffRegister* FindDiffRegister(int code);

// The quick compare of a page fetched from the register's site, given as the text its fetch
// decoded (PageTextOfBody), so that it reads as the difference check reads the same page:
// reports every difference and names the fields checked. False when the register has no
// comparison; the Community designs have a page but nothing is compared on it.
bool ComparePage(int code, std::string_view text, const CZrData& record, CDiffReporter& reporter,
                 std::vector<std::string>& checkedFields);
