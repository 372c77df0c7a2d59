#include "search/ui/GoodsPageWindow.h"

#include "search/GoodsPageModel.h"

#include <wx/sizer.h>
#include <wx/textctrl.h>

CGoodsPageWindow::CGoodsPageWindow(wxWindow* book, CGoodsPageModel& page)
    : CSearchPageWindow(book, page, 0x20000 + kDialogId), page_(page) {
    static constexpr const char* kLabels[] = {"&Matches any of:", "A&nd any of:", "&But none of:"};
    wxFlexGridSizer* form = MakeForm();
    for (int group = 0; group < static_cast<int>(groups_.size()); ++group) {
        AddLabel(*form, kLabels[group]);
        groups_[group] = MakeEdit(kGroupIds[group], [this, group](const std::string& text) {
            page_.SetText(group, text);
        });
        form->Add(groups_[group], wxSizerFlags().Expand());
    }
    FinishLayout(form);
}

void CGoodsPageWindow::ShowValues() {
    for (int group = 0; group < static_cast<int>(groups_.size()); ++group)
        ShowText(*groups_[group], page_.GetText(group));
}
