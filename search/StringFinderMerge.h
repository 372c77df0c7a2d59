#pragma once
// The string finders of several registers merged into one ordered list, read by index in both
// directions: each register has a cursor (StringFinderDb.h), and an entry that several registers
// hold comes once, with all their codes (the first register's count and position stand). The
// string-finder dialogs read it through CStringFinder, the term expansion directly.
//
// Used on one thread; only Prime runs the cursors' first fetches on threads of their own.

#include "core/MergedStringSource.h"
#include "search/StringFinderDb.h"

#include <memory>
#include <string>
#include <vector>

class CStringFinderMerge : public CMergedStringList {
public:
    // The text as the user typed it, and the finder mode, which chooses the order.
    CStringFinderMerge(std::string text, int mode, int current = 0);
    CStringFinderMerge(const CStringFinderMerge&) = delete;
    CStringFinderMerge& operator=(const CStringFinderMerge&) = delete;
    // Disposes of every register's remote finder.
    ~CStringFinderMerge() override;

    // A cursor for the register's finder (null: the register gave none), reading from the list
    // index startPosition on.
    void AddFinder(char code, std::unique_ptr<IRemoteStringFinder> finder, int startPosition,
                   int pageSize);
    // Loads every cursor's first page, each on a thread of its own, and waits for them all.
    // With fewer than two cursors the first read loads it.
    void Prime();

    // Moves to merged entry n and fills it in; afterwards the next entry is n + 1. False, and
    // nothing filled in, when there is no entry n.
    bool GetAt(int n, CFoundString& entry) override;
    // The next entry, fetching pages as needed; false at the end.
    bool MergeNext(CFoundString& entry) override { return Step(&entry, true); }
    // Steps over the next entry without reading it out.
    bool Skip() { return Step(nullptr, true); }
    // Steps back over the entry before; false at the start.
    bool MovePrev();
    int Compare(const CKeyedString& a, const CKeyedString& b) const { return order_.Compare(a, b); }

    const std::string& GetText() const { return text_; }
    int GetMode() const { return order_.GetMode(); }
    // One register code per cursor, in the order they were added.
    const std::string& GetCodes() const { return codes_; }

protected:
    // One merged step forwards; without fetching only the cursors whose next entry is in their
    // window take part.
    bool Step(CFoundString* entry, bool fetch);

private:
    std::string text_;
    CFinderOrder order_;
    std::string codes_;
    std::vector<CStringFinderDb> cursors_;
    // Per cursor, the list index of its next entry not yet merged.
    std::vector<int> positions_;
    // Per cursor, the entry read in the step under way.
    std::vector<const CKeyedString*> heads_;
    int current_;
};

// The merge as the term expansion walks it: after its first entry (GetAt) the list goes on only
// as far as the pages already fetched, so that no further engine calls are made.
class CStringFinderMergeCache : public CStringFinderMerge {
public:
    using CStringFinderMerge::CStringFinderMerge;

    bool MergeNext(CFoundString& entry) override { return Step(&entry, false); }
};
