#include "core/ui/MessageBoxWindow.h"

#include "core/AppTitle.h"
#include "core/MessageLines.h"
#include "core/ui/WxText.h"

#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

namespace {

using platform::MessageAnswer;
using platform::MessageButtons;

// Lines of about sixty characters, as the desktop's own boxes have them.
constexpr int kTextWidth = 420;

// The box's standard buttons; either its first (Ok or Yes) or its second (Cancel or No) is the
// default one.
struct CButtonIds {
    long flags;
    int first;
    int second;
    // What Escape and the title bar's close button answer.
    int escape;
};

CButtonIds ButtonIdsOf(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        break;
    case MessageButtons::OkCancel:
        return {wxOK | wxCANCEL, wxID_OK, wxID_CANCEL, wxID_CANCEL};
    case MessageButtons::YesNo:
        return {wxYES_NO, wxID_YES, wxID_NO, wxID_NO};
    case MessageButtons::YesNoCancel:
        return {wxYES_NO | wxCANCEL, wxID_YES, wxID_NO, wxID_CANCEL};
    }
    return {wxOK, wxID_OK, wxID_OK, wxID_OK};
}

wxArtID ArtOf(platform::MessageIcon icon) {
    using platform::MessageIcon;
    switch (icon) {
    case MessageIcon::Information:
        break;
    case MessageIcon::Warning:
        return wxART_WARNING;
    case MessageIcon::Error:
        return wxART_ERROR;
    case MessageIcon::Question:
        return wxART_QUESTION;
    }
    return wxART_INFORMATION;
}

MessageAnswer AnswerOf(int id) {
    switch (id) {
    case wxID_YES:
        return MessageAnswer::Yes;
    case wxID_NO:
        return MessageAnswer::No;
    case wxID_CANCEL:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Ok;
    }
}

} // namespace

CMessageBoxWindow::CMessageBoxWindow(wxWindow* parent, const platform::Message& message,
                                     const wxString& checkBoxLabel)
    : CZrDialog(parent, ToWx(message.caption.empty() ? kAppTitle : message.caption)) {
    auto* text = new wxStaticText(this, wxID_ANY, "");
    const int width = FromDIP(kTextWidth);
    const auto measure = [text](std::string_view piece) {
        return text->GetTextExtent(ToWx(piece)).x;
    };
    // The text as written: an ampersand is no mnemonic here.
    text->SetLabelText(ToWx(BreakMessageLines(message.text, width, measure)));
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(text);
    if (!checkBoxLabel.empty()) {
        checkBox_ = new wxCheckBox(this, wxID_ANY, checkBoxLabel);
        column->Add(checkBox_, wxSizerFlags().Border(wxTOP, 2 * Gap()));
    }
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(
        new wxStaticBitmap(this, wxID_ANY,
                           wxArtProvider::GetBitmapBundle(ArtOf(message.icon), wxART_MESSAGE_BOX)),
        wxSizerFlags().Border(wxRIGHT, 2 * Gap()));
    row->Add(column, wxSizerFlags().CentreVertical());
    Body().Add(row);

    const CButtonIds ids = ButtonIdsOf(message.buttons);
    FinishLayout(ids.flags);
    auto* chosen =
        static_cast<wxButton*>(FindWindow(message.secondIsDefault ? ids.second : ids.first));
    chosen->SetDefault();
    chosen->SetFocus();
    SetEscapeId(ids.escape);
    // Every button ends the box with its own id: the dialog's own handling would end No as
    // Cancel.
    Bind(wxEVT_BUTTON, [this](wxCommandEvent& event) { EndModal(event.GetId()); });
}

MessageAnswer CMessageBoxWindow::Ask() {
    return AnswerOf(ShowModal());
}

bool CMessageBoxWindow::IsChecked() const {
    return checkBox_ && checkBox_->GetValue();
}
