#pragma once
// The string finder's dialogs as the search pages reach them: a page's finder button hands its
// request over and, on OK, takes the chosen values back. The string finder's windows implement
// this; a sheet without it keeps its finder buttons disabled.

#include "search/FinderRequest.h"

#include <string>
#include <vector>

class wxWindow;

class IFinderDialogs {
public:
    virtual ~IFinderDialogs() = default;
    // Runs the dialog the request names, modally over the parent; true for OK, with the values
    // chosen (those of the request, as the user left them).
    virtual bool Choose(wxWindow* parent, const CFinderRequest& request,
                        std::vector<std::string>& chosen) = 0;
};
