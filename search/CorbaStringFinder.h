#pragma once
// The engines' string finders over omniORB, and the two ways the program makes them: through
// the registers of the register table (the string-finder dialogs) and through the engines of an
// examination's engine set (the term expansion of the new-examination wizard). Every call is
// held to the register table's call time-out, so an engine that hangs fails its own finder only.

#include "core/MergedStringSource.h"
#include "engines/ZrDbEngineSet.h"
#include "engines/idl/ZrEngine.hh"
#include "search/RemoteStringFinder.h"

class CZrDbs;

class CCorbaStringFinder : public IRemoteStringFinder {
public:
    // Takes its own reference to the finder, each call held to the time-out.
    CCorbaStringFinder(ZrStringFinder_ptr finder, unsigned callTimeoutMs);

    bool GetStrings(std::int32_t from, std::int32_t to,
                    std::vector<CFinderReplyEntry>& entries) override;
    void Dispose() override;

private:
    ZrStringFinder_var finder_;
};

// Finders made by the registers of the table.
class CRegisterStringFinders : public IRemoteFinderFactory {
public:
    explicit CRegisterStringFinders(CZrDbs& table) : table_(table) {}

    std::unique_ptr<IRemoteStringFinder> Create(char code, const std::string& text,
                                                int mode) override;

private:
    CZrDbs& table_;
};

// Finders made by the engines of an engine set, directly, for the codes of the set in its
// order; also the merged lists the term expansion walks.
class CEngineSetStringFinders : public IRemoteFinderFactory, public CMergedStringSource {
public:
    CEngineSetStringFinders(const CZrDbEngineSet& engines, unsigned callTimeoutMs)
        : engines_(engines), callTimeoutMs_(callTimeoutMs) {}

    std::unique_ptr<IRemoteStringFinder> Create(char code, const std::string& text,
                                                int mode) override;
    std::unique_ptr<CMergedStringList> OpenMerge(const std::string& text, int mode,
                                                 int pageSize) override;

private:
    CZrDbEngineSet engines_;
    unsigned callTimeoutMs_;
};
