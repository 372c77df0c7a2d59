#include "search/ui/StatusCheckBoxes.h"

#include <wx/checkbox.h>

CStatusCheckBoxes::CStatusCheckBoxes(wxWindow* parent,
                                     std::function<void(const CStatusChecks&)> clicked)
    : wxStaticBoxSizer(wxHORIZONTAL, parent, "Mark Status") {
    const std::pair<int, const char*> checks[] = {{kRegistered, "&Registered"},
                                                  {kPending, "Pen&ding"},
                                                  {kLapsed, "&Lapsed"},
                                                  {kAbandoned, "A&bandoned"}};
    for (std::size_t i = 0; i < checks_.size(); ++i) {
        checks_[i] = new wxCheckBox(parent, checks[i].first, checks[i].second);
        checks_[i]->Bind(wxEVT_CHECKBOX, [this, clicked](wxCommandEvent&) { clicked(Read()); });
        Add(checks_[i], wxSizerFlags().Border(wxALL, parent->FromDIP(6)));
    }
}

void CStatusCheckBoxes::SetStatuses(const CStatusChecks& statuses) {
    const bool values[] = {statuses.registered, statuses.pending, statuses.lapsed,
                           statuses.abandoned};
    for (std::size_t i = 0; i < checks_.size(); ++i)
        checks_[i]->SetValue(values[i]);
}

CStatusChecks CStatusCheckBoxes::Read() const {
    return {checks_[0]->GetValue(), checks_[1]->GetValue(), checks_[2]->GetValue(),
            checks_[3]->GetValue()};
}
