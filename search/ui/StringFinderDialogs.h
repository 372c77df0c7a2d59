#pragma once
// The string finder's dialogs as a search page's finder button opens them, in one call: the
// finder made over the registers for the request (codes first located for the Vienna and Locarno
// lists), the dialog the request names run modally, the ticked strings handed back after OK.

#include "search/RemoteStringFinder.h"
#include "search/ui/FinderDialogs.h"
#include "search/ui/StringFinderDlg.h"

class CStringFinderDialogs : public IFinderDialogs {
public:
    // The finders are made by the factory (the registers' remote finders in the program).
    CStringFinderDialogs(IRemoteFinderFactory& finders, CFinderDlgServices services)
        : finders_(finders), services_(std::move(services)) {}

    bool Choose(wxWindow* parent, const CFinderRequest& request,
                std::vector<std::string>& chosen) override;

private:
    IRemoteFinderFactory& finders_;
    CFinderDlgServices services_;
};
