#pragma once
// The search progress of a watch run: every watch search runs over the record set of the
// [Watch] Set setting whatever its saved criteria say, and the marks that the searches of one
// watched mark find are added together, once, in that mark's section, after its last search (kept
// and long as [Watch] AutoKeep and AutoLong say). In a watch a found mark's search is its section:
// the views and the results window pick a section's marks by it. A run that ends early, cancelled
// or stopped by failed databases, still adds what the searches run so far in the section found,
// since those searches are stored as run and will not run again.

#include "engines/SearchProgress.h"
#include "engines/SearchResults.h"

#include <string_view>
#include <vector>

class CWatchProgress : public CSearchProgress {
public:
    CWatchProgress(IExamDocument& document, const CSearchServices& services);

    // Appends every search of the section that has not run yet; true when there was one.
    bool CollectSearches(int section);

protected:
    // The document's search with the watch's record set.
    CSearch GetSearch(int index) const override;
    // Gathers the search's hits with those of its section's searches before it; after the
    // section's last search adds them to the document.
    void StoreResults() override;
    void OnEnded() override { AddSectionMarks(); }

private:
    // The results of each register the run's searches name, made as they are first named.
    void AddResultsFor(std::string_view codes);
    void AddSectionMarks();

    const CUserOptions& settings_;
    std::vector<CSearchResults> results_;
    // The section whose hits are gathered; 0 when none.
    int section_ = 0;
};
