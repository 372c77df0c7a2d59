#pragma once
// A document over fake registers, repository and host, with a view that records its hints and
// a temporary folder for files.

#include "ExamFakes.h"
#include "app/document/ZR2000Doc.h"
#include "tests/core/TempFolder.h"

#include <gtest/gtest.h>

class DocFixture : public ::testing::Test {
protected:
    void SetUp() override { doc.AddView(&view); }

    // A search of the section on the databases, not yet run.
    CSearch MakeSearch(int section, const std::string& databases) const {
        CSearch search(section);
        CCriteria criteria;
        criteria.ResetWithDbIds(databases);
        search.SetCriteria(criteria);
        return search;
    }
    // A search that has run and found `found` hits.
    CSearch MakeRunSearch(int section, const std::string& databases, int order, int found) const {
        CSearch search = MakeSearch(section, databases);
        search.SetOrder(order);
        search.SetFlags(CSearch::kHasRun);
        search.SetFound(found);
        search.SetRunDatabases(databases);
        return search;
    }

    CTempFolder folder;
    CFakeRegisters registers;
    CFakeRepository repository;
    CFakeHost host;
    CZR2000Doc doc{registers, repository, host};
    CRecordingView view;
};
