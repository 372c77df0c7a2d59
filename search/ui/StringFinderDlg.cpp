#include "search/ui/StringFinderDlg.h"

#include "core/ui/WxText.h"

#include <algorithm>
#include <wx/display.h>

namespace {

// A dialog's help topic lies this far above its template's id.
constexpr int kTemplateHelpBase = 0x20000;

} // namespace

CStringFinderDlgBase::CStringFinderDlgBase(wxWindow* parent, const std::string& title,
                                           bool resizable, int templateId,
                                           const CFinderDlgServices& services)
    : CZrDialog(parent, ToWx(title.empty() ? kDefaultTitle : title),
                resizable ? wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER : wxDEFAULT_DIALOG_STYLE),
      services_(services) {
    Bind(
        wxEVT_BUTTON,
        [this, templateId](wxCommandEvent&) { services_.showHelp(kTemplateHelpBase + templateId); },
        wxID_HELP);
}

void CStringFinderDlgBase::Finish(CStringFinderListBox* list, CStringFinder& finder,
                                  std::vector<std::string> selected, bool aligned, int maxSelected,
                                  bool wide) {
    list_ = list;
    list_->SetFont(services_.font);
    list_->Initialise(finder, std::move(selected), aligned, maxSelected);
    // Wide enough that the lines it opens on show whole, within the screen's width.
    const wxSize least = FromDIP(wide ? wxSize(420, 330) : wxSize(240, 260));
    const int widest = wxDisplay(this).GetClientArea().GetWidth() - 4 * Gap();
    list_->SetMinSize(
        {std::max(least.x, std::min(list_->GetWidthToShowLines(least.y), widest)), least.y});
    Body().Add(list_, wxSizerFlags(1).Expand());
    FinishLayout(wxOK | wxCANCEL | wxHELP);
}

bool CStringFinderDlgBase::TransferDataFromWindow() {
    selected_ = list_->GetSelected();
    return true;
}

CStringFinderDlg::CStringFinderDlg(wxWindow* parent, CStringFinder& finder,
                                   std::vector<std::string> selected, const std::string& title,
                                   bool aligned, int maxSelected,
                                   const CFinderDlgServices& services)
    : CStringFinderDlgBase(parent, title, true, kTemplateId, services) {
    Finish(new CStringFinderListBox(this, services.registers), finder, std::move(selected), aligned,
           maxSelected, true);
}
