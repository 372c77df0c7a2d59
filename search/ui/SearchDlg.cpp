#include "search/ui/SearchDlg.h"

#include "app/dialogs/ui/SmallDialogs.h"
#include "core/ui/NotebookTabs.h"
#include "core/ui/WxText.h"
#include "search/CountryPageModel.h"
#include "search/DatabasesPageModel.h"
#include "search/EnquiryPageModel.h"
#include "search/GeneralPageModel.h"
#include "search/GoodsPageModel.h"
#include "search/SearchSheetModel.h"
#include "search/SelectionPageModel.h"
#include "search/StatusPageModel.h"
#include "search/ui/CountryPageWindow.h"
#include "search/ui/DatabasesPageWindow.h"
#include "search/ui/EnquiryPageWindow.h"
#include "search/ui/GeneralPageWindow.h"
#include "search/ui/GoodsPageWindow.h"
#include "search/ui/SelectionPageWindow.h"
#include "search/ui/StatusPageWindow.h"

#include <wx/button.h>
#include <wx/image.h>
#include <wx/notebook.h>
#include <wx/sizer.h>

namespace {

CSearchPageWindow* MakePageWindow(wxWindow* book, CSearchPageModel& page,
                                  const CSearchDlgServices& services) {
    if (auto* general = dynamic_cast<CGeneralPageModel*>(&page))
        return new CGeneralPageWindow(book, *general, services.finders);
    if (auto* selection = dynamic_cast<CSelectionPageModel*>(&page))
        return new CSelectionPageWindow(book, *selection, services.finders, services.listFont);
    if (auto* status = dynamic_cast<CStatusPageModel*>(&page))
        return new CStatusPageWindow(book, *status);
    if (auto* goods = dynamic_cast<CGoodsPageModel*>(&page))
        return new CGoodsPageWindow(book, *goods);
    if (auto* country = dynamic_cast<CCountryPageModel*>(&page))
        return new CCountryPageWindow(book, *country);
    if (auto* enquiry = dynamic_cast<CEnquiryPageModel*>(&page))
        return new CEnquiryPageWindow(book, *enquiry);
    return new CDatabasesPageWindow(book, dynamic_cast<CDatabasesPageModel&>(page));
}

// A disc in the state's colour; the image index of a state is its number less one.
wxBitmapBundle StateMark(int state, int size) {
    const wxColour colour(static_cast<unsigned long>(GetPageStateColour(state)));
    wxImage mark(size, size);
    mark.InitAlpha();
    const double radius = size / 2.0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double dx = x + 0.5 - radius;
            const double dy = y + 0.5 - radius;
            mark.SetRGB(x, y, colour.Red(), colour.Green(), colour.Blue());
            mark.SetAlpha(x, y, dx * dx + dy * dy <= (radius - 0.5) * (radius - 0.5) ? 255 : 0);
        }
    return wxBitmapBundle(wxBitmap(mark));
}

} // namespace

CSearchDlg::CSearchDlg(wxWindow* parent, CSearchSheetModel& sheet, CSearchDlgServices services)
    : wxDialog(parent, wxID_ANY, ToWx(sheet.GetCaption())), sheet_(sheet),
      services_(std::move(services)), book_(new wxNotebook(this, kBook)) {
    wxVector<wxBitmapBundle> marks;
    for (const int state : {kPageError, kPagePartial, kPageEntered})
        marks.push_back(StateMark(state, FromDIP(10)));
    book_->SetImages(marks);
    for (int index = 0; index < sheet_.GetPageCount(); ++index) {
        CSearchPageModel& page = sheet_.GetPage(index);
        pages_.push_back(MakePageWindow(book_, page, services_));
        book_->AddPage(pages_.back(), ToWx(page.GetCaption()), index == sheet_.GetFirstPage());
    }
    ShowEveryTab(*book_);

    auto* layout = new wxBoxSizer(wxVERTICAL);
    layout->Add(book_, wxSizerFlags(1).Expand().Border(wxALL, FromDIP(8)));
    layout->Add(MakeButtons(),
                wxSizerFlags().Right().Border(wxLEFT | wxRIGHT | wxBOTTOM, FromDIP(8)));
    SetSizerAndFit(layout);
    CentreOnParent();

    sheet_.SetChangeListener([this] { ShowStates(); });
    ShowStates();
}

CSearchDlg::~CSearchDlg() {
    sheet_.SetChangeListener({});
}

wxSizer* CSearchDlg::MakeButtons() {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    const auto add = [this, row](int id, const wxString& label) {
        auto* button = new wxButton(this, id, label);
        row->Add(button, wxSizerFlags().Border(wxLEFT, FromDIP(6)));
        return button;
    };
    add(wxID_OK, "OK")->SetDefault();
    // A press on these may be the start of leaving or clearing the sheet: fields losing the
    // focus to them are not re-formatted.
    for (wxButton* leaving :
         {add(wxID_CANCEL, "Cancel"), add(kClearPage, "Clear &Page"), add(kClearAll, "Clear &All")})
        leaving->Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& event) {
            sheet_.OnLeavingButtonPressed();
            event.Skip();
        });
    add(wxID_HELP, "Help");

    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnOk(); }, wxID_OK);
    Bind(
        wxEVT_BUTTON,
        [this](wxCommandEvent&) {
            const int active = book_->GetSelection();
            sheet_.ClearPage(active);
            pages_[active]->ShowValues();
        },
        kClearPage);
    Bind(
        wxEVT_BUTTON,
        [this](wxCommandEvent&) {
            sheet_.ClearAll();
            ShowAllValues();
        },
        kClearAll);
    Bind(
        wxEVT_BUTTON,
        [this](wxCommandEvent&) {
            if (services_.showHelp)
                services_.showHelp(pages_[book_->GetSelection()]->GetHelpContext());
        },
        wxID_HELP);
    return row;
}

void CSearchDlg::ShowStates() {
    for (std::size_t index = 0; index < pages_.size(); ++index) {
        const int state = sheet_.GetPage(static_cast<int>(index)).GetState();
        const int image = state == kPageEmpty ? wxWithImages::NO_IMAGE : state - 1;
        if (book_->GetPageImage(index) != image)
            book_->SetPageImage(index, image);
        pages_[index]->ShowStatus();
    }
    FindWindow(wxID_OK)->Enable(sheet_.IsOkEnabled());
}

void CSearchDlg::ShowAllValues() {
    for (CSearchPageWindow* page : pages_)
        page->ShowValues();
}

void CSearchDlg::OnOk() {
    const auto confirm = [this] {
        CConfirmSearchDlg question(this);
        return question.ShowModal() == CConfirmSearchDlg::kYes;
    };
    if (sheet_.OnOk(confirm))
        EndModal(wxID_OK);
}
