#include "app/options/ui/OptionChoosers.h"

#include "core/ui/WxText.h"

#include <wx/dirdlg.h>
#include <wx/fontdlg.h>

bool CWxOptionChoosers::ChooseFont(wxWindow* parent, CFontChoice& font) {
    wxFontData data;
    data.SetInitialFont(wxFont(wxFontInfo(font.points).FaceName(ToWx(font.face))));
    data.EnableEffects(false);
    wxFontDialog dialog(parent, data);
    if (dialog.ShowModal() != wxID_OK)
        return false;
    const wxFont chosen = dialog.GetFontData().GetChosenFont();
    font = {FromWx(chosen.GetFaceName()), chosen.GetPointSize()};
    return true;
}

bool CWxOptionChoosers::ChooseFolder(wxWindow* parent, const std::string& title,
                                     std::string& folder) {
    wxDirDialog dialog(parent, ToWx(title), ToWx(folder), wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK)
        return false;
    folder = FromWx(dialog.GetPath());
    return true;
}
