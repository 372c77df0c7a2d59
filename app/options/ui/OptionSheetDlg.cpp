#include "app/options/ui/OptionSheetDlg.h"

#include "app/options/DisplayOptionPages.h"
#include "app/options/ExamOptionPage.h"
#include "app/options/KeywordPages.h"
#include "app/options/LanguageOptionPage.h"
#include "app/options/SearchOptionPages.h"
#include "app/options/ui/OptionPagePanel.h"
#include "core/ui/NotebookTabs.h"
#include "core/ui/WxText.h"
#include "core/ui/ZrDialog.h"

#include <wx/bookctrl.h>
#include <wx/notebook.h>
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
    : wxPropertySheetDialog(parent, wxID_ANY, ToWx(sheet.GetCaption())), sheet_(sheet) {
    CreateButtons(wxOK | wxCANCEL | wxHELP);
    // Every page is made now, so that the sheet takes the size of the largest and keeps it.
    CPanelMaker maker(GetBookCtrl(), choosers);
    for (int i = 0; i < sheet_.GetPageCount(); ++i) {
        panels_.push_back(maker.Make(sheet_.GetPage(i)));
        GetBookCtrl()->AddPage(panels_.back(), ToWx(sheet_.GetPage(i).GetCaption()), i == 0);
    }
    if (auto* notebook = dynamic_cast<wxNotebook*>(GetBookCtrl()))
        ShowEveryTab(*notebook);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { ShowHelp(); }, wxID_HELP);
    LayoutDialog();
}

bool COptionSheetDlg::TransferDataFromWindow() {
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        if (!panels_[i]->ReadControls()) {
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
