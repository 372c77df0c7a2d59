#include "search/SearchInfoRows.h"

#include "app/document/ZrDocData.h"
#include "core/Search.h"
#include "search/SearchExamination.h"

namespace {

int CountFound(const CZrDocData& document, int searchId, char code, bool skipDuplicates) {
    CFilter filter;
    filter.SetSearchId(searchId, skipDuplicates, true);
    filter.SetRegister(static_cast<unsigned char>(code), true);
    return document.CountMarks(filter);
}

} // namespace

std::vector<CSearchInfoRow> BuildSearchInfoRows(const CSearch& search, const CZrDocData& document,
                                                const ISearchExamination& examination) {
    std::vector<CSearchInfoRow> rows;
    int hits = 0;
    int newHits = 0;
    bool anyRun = false;
    for (const char code : search.GetDatabases()) {
        CSearchInfoRow row{examination.HasRegister(code) ? examination.GetLongName(code) : "???",
                           "-", "-"};
        if (search.GetRunDatabases().find(code) != std::string::npos) {
            const int found = CountFound(document, search.GetSearchId(), code, false);
            const int fresh = CountFound(document, search.GetSearchId(), code, true);
            row.hits = std::to_string(found);
            row.newHits = std::to_string(fresh);
            hits += found;
            newHits += fresh;
            anyRun = true;
        }
        rows.push_back(std::move(row));
    }
    if (rows.size() > 1)
        rows.push_back(
            {"TOTAL", anyRun ? std::to_string(hits) : "-", anyRun ? std::to_string(newHits) : "-"});
    return rows;
}
