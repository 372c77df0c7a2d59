#include "app/ui/WxFileDialogs.h"

#include "core/ui/WxText.h"

#include <wx/filedlg.h>

bool CWxFileDialogs::Ask(const CFileDialogRequest& request, std::string& path) {
    const bool save = request.kind == CFileDialogRequest::Kind::Save;
    // wxWidgets separates the filter's parts with "|" and wants no closing one.
    std::string filter = request.filter;
    if (!filter.empty() && filter.back() == '|')
        filter.pop_back();
    wxFileDialog dialog(
        parent_(), ToWx(request.title), ToWx(request.folder), ToWx(request.fileName), ToWx(filter),
        save ? wxFD_SAVE | wxFD_OVERWRITE_PROMPT : wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK)
        return false;
    path = FromWx(dialog.GetPath());
    return true;
}
