#pragma once
// What a search page's finder button hands to the string finder's dialogs: the text to start
// from, the finder mode (which list the engines browse), the databases ticked on the Databases
// page, the values already chosen and how many may be chosen, whether entries are aligned, and
// the dialog's caption. The finder's OK hands the chosen values back to the page.

#include <string>
#include <vector>

struct CFinderRequest {
    enum class EDialog {
        Narrow,  // word terms, narrowed as the user types
        Strings, // a list of names or codes
        Vienna,  // figurative-element codes by category
        Locarno, // design classes by class
    };

    // Every finder fetches pages of this many entries.
    static constexpr int kPageSize = 16;

    EDialog dialog = EDialog::Strings;
    std::string text;
    int mode = 0;
    std::string databases;
    std::vector<std::string> values;
    int maximum = 0;
    bool alignment = false;
    std::string caption;
    int pageSize = kPageSize;
};
