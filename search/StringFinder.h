#pragma once
// The string finder a dialog browses: the merged list of the named registers' finders for a text
// in a finder mode, read by index. CStringFinderCode first turns a Vienna description into the
// code the list should start at.

#include "search/StringFinderMerge.h"

#include <cstdint>
#include <string>
#include <string_view>

// A Vienna code from its packed form: each of the low three bytes two decimal digits, shown
// "%d.%d.%d", "%d.%d" or "%d" as the lower levels are 0; "" for 0.
std::string FormatCode(std::int32_t code);

// Where the wanted text occurs, ignoring case, at the start of the text or just after a blank,
// searching from `from` on; npos when nowhere (and for an empty wanted text).
std::size_t FindAtWordStart(std::string_view text, std::string_view wanted, std::size_t from = 0);

class CStringFinder {
public:
    // The page size of the dialogs' finders.
    static constexpr int kDialogPageSize = 16;

    // One cursor per register code, each on the finder the register makes for the text, and
    // their first pages loaded. A register that gives no finder adds nothing to the list.
    CStringFinder(IRemoteFinderFactory& finders, const std::string& text, int mode,
                  const std::string& registerCodes, int pageSize);
    CStringFinder(const CStringFinder&) = delete;
    CStringFinder& operator=(const CStringFinder&) = delete;
    virtual ~CStringFinder() = default;

    // The merged entry at the index; an empty entry (text "", position -1, count 0) when there
    // is none.
    CFoundString GetString(int index);
    // The text as the user typed it.
    const std::string& GetText() const { return merge_.GetText(); }
    int GetMode() const { return merge_.GetMode(); }

protected:
    // The finders are made for finderText; the list keeps the typed text.
    CStringFinder(IRemoteFinderFactory& finders, const std::string& text,
                  const std::string& finderText, int mode, const std::string& registerCodes,
                  int pageSize);

private:
    CStringFinderMerge merge_;
};

// The finder of the Vienna and Locarno dialogs. A description typed over several registers
// becomes the code of the first entry whose words start with it (the smallest over the
// registers), or category 1 when no register's first entry has them.
class CStringFinderCode : public CStringFinder {
public:
    static constexpr std::int32_t kFirstCategory = 65536;

    CStringFinderCode(IRemoteFinderFactory& finders, const std::string& text, int mode,
                      const std::string& registerCodes, int pageSize);

private:
    static std::string LocateText(IRemoteFinderFactory& finders, const std::string& text, int mode,
                                  const std::string& registerCodes);
};
