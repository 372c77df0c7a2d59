#include "search/ui/RecordTextEdit.h"

#include "core/ui/WxText.h"

#include <wx/textctrl.h>

wxTextCtrl* MakeRecordTextEdit(wxWindow* parent, int id,
                               std::function<void(const std::string&)> changed, long style) {
    auto* edit = new wxTextCtrl(parent, id, "", wxDefaultPosition, wxDefaultSize, style);
    edit->Bind(wxEVT_TEXT, [edit, changed = std::move(changed)](wxCommandEvent&) {
        changed(RecordTextOf(*edit));
    });
    return edit;
}

std::string RecordTextOf(const wxTextCtrl& edit) {
    return WxToRecordText(edit.GetValue());
}

void ShowRecordText(wxTextCtrl& edit, const std::string& text) {
    if (RecordTextOf(edit) != text)
        edit.ChangeValue(ToWx(text));
}
