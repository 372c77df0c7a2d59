#include "search/ui/GeneralPageWindow.h"

#include "app/controls/ui/HtmlComboBox.h"
#include "core/ui/WxText.h"
#include "search/GeneralPageModel.h"
#include "search/ui/FinderDialogs.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

namespace {

constexpr const char* kGroupLabels[] = {"&Matches any of:", "A&nd any of:", "&But none of:"};
constexpr const char* kGroupOnLabels[] = {"", "A&nd", "&But not"};

} // namespace

CGeneralPageWindow::CGeneralPageWindow(wxWindow* book, CGeneralPageModel& page,
                                       IFinderDialogs* finders)
    : CSearchPageWindow(book, page,
                        0x20000 + (page.GetMode() == CGeneralPageModel::EMode::Normal
                                       ? kNormalDialogId
                                       : kIdenticalDialogId)),
      page_(page), finders_(finders) {
    wxFlexGridSizer* form = MakeForm();
    AddLabel(*form, "&Classes:");
    classes_ = MakeEdit(kClasses, [this](const std::string& text) { page_.SetClasses(text); });
    // After the focus went: a press on Cancel or a clear button has cleared the focus check by
    // then.
    classes_->Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
        event.Skip();
        CallAfter([this] {
            page_.OnClassesFocusLost();
            ShowValues();
        });
    });
    form->Add(classes_, wxSizerFlags().Expand());
    for (int group = 0; group < CGeneralPageModel::kGroupCount; ++group)
        AddGroupRow(*form, group);

    AddLabel(*form, "&Locate:");
    auto* locate = new wxBoxSizer(wxHORIZONTAL);
    locate_ = MakeEdit(kLocate, [this](const std::string& text) { page_.SetLocate(text); });
    locate->Add(locate_, wxSizerFlags(1).CentreVertical());
    for (const auto& [id, label, index] :
         {std::tuple{kIndex, "&Index", true}, std::tuple{kFinder, "&Finder", false}}) {
        auto* button = new wxButton(this, id, label);
        button->Enable(finders_ != nullptr);
        button->Bind(wxEVT_BUTTON, [this, index = index](wxCommandEvent&) { RunFinder(index); });
        locate->Add(button, wxSizerFlags().Border(wxLEFT, Gap()));
    }
    form->Add(locate, wxSizerFlags().Expand());
    FinishLayout(form);
    // A word group switched off leaves no gap between the rows; the page keeps the room the
    // groups take when all are on.
    for (int group = 0; group < CGeneralPageModel::kGroupCount; ++group) {
        groups_[group]->Show();
        if (kinds_[group])
            kinds_[group]->Show();
    }
    SetMinSize(GetSizer()->GetMinSize());
    ShowValues();
}

void CGeneralPageWindow::AddGroupRow(wxSizer& form, int group) {
    const bool normal = page_.GetMode() == CGeneralPageModel::EMode::Normal;
    if (!normal) {
        AddLabel(form, kGroupLabels[group]);
    } else {
        if (group == CGeneralPageModel::kGroupA) {
            form.AddSpacer(0);
        } else {
            groupOn_[group] =
                MakeCheck(kGroupOnIds[group], kGroupOnLabels[group], [this, group](bool on) {
                    page_.SetGroupOn(group, on);
                    ShowValues();
                });
            form.Add(groupOn_[group], wxSizerFlags().CentreVertical());
        }
        kinds_[group] = new CHtmlComboBox(this, kKindIds[group]);
        for (const std::string_view item : CGeneralPageModel::kKindItems)
            kinds_[group]->Append(ToWx(item));
        kinds_[group]->Bind(wxEVT_COMBOBOX, [this, group](wxCommandEvent&) {
            page_.SetGroupKind(group, kinds_[group]->GetSelection());
        });
        form.Add(kinds_[group], wxSizerFlags().Expand());
        form.AddSpacer(0);
    }
    groups_[group] = MakeEdit(kGroupIds[group], [this, group](const std::string& text) {
        page_.SetGroupText(group, text);
    });
    form.Add(groups_[group], wxSizerFlags().Expand());
}

void CGeneralPageWindow::ShowValues() {
    ShowText(*classes_, page_.GetClasses());
    for (int group = 0; group < CGeneralPageModel::kGroupCount; ++group) {
        const CWordGroupInput& input = page_.GetGroup(group);
        ShowText(*groups_[group], input.text);
        const bool shown = page_.IsGroupShown(group);
        groups_[group]->Show(shown);
        groups_[group]->Enable(shown);
        if (kinds_[group]) {
            kinds_[group]->SetSelection(input.kindIndex);
            kinds_[group]->Show(shown);
            kinds_[group]->Enable(shown);
        }
        if (groupOn_[group])
            groupOn_[group]->SetValue(input.on);
    }
    ShowText(*locate_, page_.GetLocate());
    Layout();
}

void CGeneralPageWindow::RunFinder(bool index) {
    std::vector<std::string> chosen;
    if (!finders_->Choose(this, page_.MakeFinderRequest(index), chosen))
        return;
    page_.ApplyFinderChoice(chosen);
    ShowValues();
}
