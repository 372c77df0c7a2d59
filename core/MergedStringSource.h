#pragma once
// The registers' string finders seen as one list, as the term expansion asks for them. The search
// definition's string-finder merge implements the list over the engines of an examination; the
// core library knows only these two interfaces.

#include "core/FoundString.h"

#include <memory>
#include <string>

// The merged, ordered entries of several registers' finders: an entry that several registers
// hold comes once, carrying all their codes.
class CMergedStringList {
public:
    virtual ~CMergedStringList() = default;

    // Moves to the merged entry at the position and fills it in; false when there is none.
    virtual bool GetAt(int position, CFoundString& entry) = 0;
    // The entry after the last one read, from what the finders have already delivered; false at
    // the end of that.
    virtual bool MergeNext(CFoundString& entry) = 0;
};

// The registers whose finders are asked, each through its own engine.
class CMergedStringSource {
public:
    virtual ~CMergedStringSource() = default;

    // Creates a finder for the text in the finder mode on every register's engine, merges those
    // that were created (each fetching pages of the page size) and loads their first pages.
    // Null when no engine gave a finder. An engine that fails is left out, never thrown past here.
    virtual std::unique_ptr<CMergedStringList> OpenMerge(const std::string& text, int mode,
                                                         int pageSize) = 0;
};
