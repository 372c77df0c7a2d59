#include "app/details/ui/DetailsTextView.h"

#include "core/UserOptions.h"
#include "core/ui/MyRichEditCtrl.h"
#include "core/ui/WxDrawSurface.h"
#include "core/ui/WxText.h"
#include "registers/ZrDb.h"

#include <wx/dcbuffer.h>
#include <wx/dcscreen.h>
#include <wx/settings.h>

CDetailsTextView::CDetailsTextView(wxWindow* parent, CDetailsController& frame,
                                   CSoundPlayer& player, const CUserOptions& user)
    : wxWindow(parent, wxID_ANY), user_(user), text_(new CMyRichEditCtrl(this, kTextId)),
      model_(frame, player, *this) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    MakeFonts();
    Bind(wxEVT_PAINT, &CDetailsTextView::OnPaint, this);
    Bind(wxEVT_SIZE, [this](wxSizeEvent&) { LayOut(); });
    Bind(wxEVT_LEFT_DOWN, &CDetailsTextView::OnLeftDown, this);
    Bind(wxEVT_MENU, &CDetailsTextView::OnCommand, this, wxID_COPY);
    Bind(wxEVT_MENU, &CDetailsTextView::OnCommand, this, wxID_SELECTALL);
    Bind(wxEVT_UPDATE_UI, &CDetailsTextView::OnUpdateCommand, this, wxID_COPY);
    Bind(wxEVT_UPDATE_UI, &CDetailsTextView::OnUpdateCommand, this, wxID_SELECTALL);
}

CRect CDetailsTextView::GetHeaderBand() const {
    return {0, 0, GetClientSize().x, headerHeight_};
}

void CDetailsTextView::SetText(const std::string& html) {
    text_->SetHtml(html);
}

void CDetailsTextView::RedrawHeader() {
    const CRect band = GetHeaderBand();
    RefreshRect(wxRect(band.left, band.top, band.Width(), band.Height()), false);
}

void CDetailsTextView::RemakeFonts() {
    MakeFonts();
    LayOut();
    Refresh();
}

void CDetailsTextView::MakeFonts() {
    // Measured on the screen: the pane may not be shown yet.
    wxScreenDC dc;
    CWxDrawSurface surface(dc);
    info_.CreateFonts(surface, user_);
    headerHeight_ = CZrDb::CalcLongRowHeight(info_);
    int size = 0;
    const std::string face = user_.GetDisplayMainFont(size);
    text_->SetStandardFonts(size, ToWx(face));
}

void CDetailsTextView::LayOut() {
    const wxSize client = GetClientSize();
    text_->SetSize(0, headerHeight_, client.x, std::max(client.y - headerHeight_, 1));
}

void CDetailsTextView::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    const CRect band = GetHeaderBand();
    CWxDrawSurface surface(dc);
    surface.FillRect(band, surface.GetSystemColour(ESystemColour::Window));
    model_.DrawHeader(surface, band, info_);
}

void CDetailsTextView::OnLeftDown(wxMouseEvent& event) {
    model_.Click({event.GetX(), event.GetY()}, GetHeaderBand(), info_);
    event.Skip();
}

void CDetailsTextView::OnCommand(wxCommandEvent& event) {
    if (event.GetId() == wxID_COPY)
        text_->CopyToClipboard();
    else
        text_->SelectAll();
}

void CDetailsTextView::OnUpdateCommand(wxUpdateUIEvent& event) {
    event.Enable(event.GetId() == wxID_SELECTALL || text_->HasSelection());
}
