#pragma once
// The four status check boxes, "&Registered", "Pen&ding", "&Lapsed" and "A&bandoned", in a
// "Mark Status" box: on the Status page and on the wizard's Auto page.

#include "search/StatusChecks.h"

#include <array>
#include <functional>
#include <wx/sizer.h>

class wxCheckBox;

class CStatusCheckBoxes : public wxStaticBoxSizer {
public:
    enum : int { kRegistered = 1008, kPending = 1014, kLapsed = 1011, kAbandoned = 1016 };

    // Every click hands the four states to the handler.
    CStatusCheckBoxes(wxWindow* parent, std::function<void(const CStatusChecks&)> clicked);

    void SetStatuses(const CStatusChecks& statuses);
    CStatusChecks Read() const;
    wxCheckBox* GetRegistered() const { return checks_[0]; }

private:
    std::array<wxCheckBox*, 4> checks_{};
};
