#include "app/options/ui/OptionSheetDlg.h"

#include "app/options/DisplayOptionPages.h"
#include "app/options/ExamOptionPage.h"
#include "app/options/KeywordPages.h"
#include "app/options/LanguageOptionPage.h"
#include "app/options/SearchOptionPages.h"
#include "app/options/ui/OptionPagePanel.h"
#include "core/ui/WxText.h"
#include "core/ui/ZrDialog.h"

#include <wx/bookctrl.h>
#include <wx/panel.h>
#include <wx/sizer.h>

namespace {

// Makes the window of whichever page it visits.
class CPanelMaker : public IOptionPageVisitor {
public:
    CPanelMaker(wxWindow* book, IOptionChoosers& choosers) : book_(book), choosers_(choosers) {}

    COptionPagePanel* Make(COptionPage& page) {
        page.Accept(*this);
        return made_;
    }

    void Visit(COptionPageExam& page) override { made_ = MakeExamPagePanel(book_, page); }
    void Visit(COptionPageSearch& page) override { made_ = MakeSearchPagePanel(book_, page); }
    void Visit(COptionPageFont& page) override {
        made_ = MakeFontPagePanel(book_, page, choosers_);
    }
    void Visit(COptionPageLanguage& page) override { made_ = MakeLanguagePagePanel(book_, page); }
    void Visit(COptionPageDetails& page) override { made_ = MakeDetailsPagePanel(book_, page); }
    void Visit(COptionPagePrint& page) override { made_ = MakePrintPagePanel(book_, page); }
    void Visit(COptionPageWatch& page) override {
        made_ = MakeWatchPagePanel(book_, page, choosers_);
    }
    void Visit(COptionPageSpChars& page) override { made_ = MakeSpCharsPagePanel(book_, page); }
    void Visit(COptionPageMacros& page) override { made_ = MakeMacrosPagePanel(book_, page); }

private:
    wxWindow* book_;
    IOptionChoosers& choosers_;
    COptionPagePanel* made_ = nullptr;
};

} // namespace

COptionSheetDlg::COptionSheetDlg(wxWindow* parent, COptionSheet& sheet, IOptionChoosers& choosers)
    : wxPropertySheetDialog(parent, wxID_ANY, ToWx(sheet.GetCaption())), sheet_(sheet),
      choosers_(choosers), panels_(static_cast<std::size_t>(sheet.GetPageCount()), nullptr) {
    CreateButtons(wxOK | wxCANCEL | wxHELP);
    for (int i = 0; i < sheet_.GetPageCount(); ++i) {
        auto* holder = new wxPanel(GetBookCtrl());
        holder->SetSizer(new wxBoxSizer(wxVERTICAL));
        holders_.push_back(holder);
        GetBookCtrl()->AddPage(holder, ToWx(sheet_.GetPage(i).GetCaption()), i == 0);
    }
    ShowPage(0);
    GetBookCtrl()->Bind(wxEVT_BOOKCTRL_PAGE_CHANGED, [this](wxBookCtrlEvent& event) {
        ShowPage(event.GetSelection());
        event.Skip();
    });
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { ShowHelp(); }, wxID_HELP);
    LayoutDialog();
}

void COptionSheetDlg::ShowPage(int index) {
    const auto at = static_cast<std::size_t>(index);
    if (index < 0 || at >= panels_.size() || panels_[at])
        return;
    wxWindow* holder = holders_[at];
    panels_[at] = CPanelMaker(holder, choosers_).Make(sheet_.GetPage(index));
    holder->GetSizer()->Add(panels_[at], wxSizerFlags(1).Expand());
    // A page larger than those made before makes the sheet grow.
    if (!IsShown())
        return;
    const wxSize needed = GetBookCtrl()->CalcSizeFromPage(panels_[at]->GetBestSize());
    const wxSize book = GetBookCtrl()->GetSize();
    if (needed.x > book.x || needed.y > book.y)
        LayoutDialog(0);
    else
        holder->Layout();
}

bool COptionSheetDlg::TransferDataFromWindow() {
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        if (panels_[i] && !panels_[i]->ReadControls()) {
            GetBookCtrl()->SetSelection(i);
            return false;
        }
    }
    return true;
}

void COptionSheetDlg::ShowHelp() {
    const int page = GetBookCtrl()->GetSelection();
    if (page != wxNOT_FOUND)
        ShowHelpTopic(sheet_.GetPage(page).GetHelpContext());
}

bool RunOptionSheet(wxWindow* parent, COptionSheet& sheet, IOptionChoosers& choosers,
                    CUserOptions& options, const COptionSheetServices& services) {
    COptionSheetDlg dialog(parent, sheet, choosers);
    if (dialog.ShowModal() != wxID_OK)
        return false;
    sheet.Apply(options, services);
    return true;
}
