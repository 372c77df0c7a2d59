#pragma once
// The read-only text of a mark's details (and of its quick compare), shown as HTML, with its
// context menu (Copy, Select All), whose commands go to the control's parent.

#include <string>
#include <wx/html/htmlwin.h>

class CMyRichEditCtrl : public wxHtmlWindow {
public:
    CMyRichEditCtrl(wxWindow* parent, wxWindowID id);

    // The document as UTF-8 HTML.
    void SetHtml(const std::string& html);
    bool HasSelection() { return !SelectionToText().empty(); }
    // The selected text onto the clipboard.
    void CopyToClipboard() { CopySelection(Secondary); }
    using wxHtmlWindow::SelectAll;

private:
    void OnRightUp(wxMouseEvent& event);
    void OnMenuCommand(wxCommandEvent& event);
};
