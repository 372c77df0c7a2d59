#include "app/ui/RecentFiles.h"

#include "core/ui/WxText.h"

#include <filesystem>
#include <wx/fileconf.h>
#include <wx/menu.h>

namespace {

wxFileConfig OpenIni(const std::string& path) {
    return wxFileConfig("ZR2000", wxEmptyString, ToWx(path), wxEmptyString,
                        wxCONFIG_USE_LOCAL_FILE);
}

} // namespace

CRecentFiles::CRecentFiles(std::string iniPath) : iniPath_(std::move(iniPath)) {}

void CRecentFiles::Load() {
    if (!std::filesystem::exists(iniPath_))
        return;
    wxFileConfig ini = OpenIni(iniPath_);
    ini.SetPath("/Recent File List");
    history_.Load(ini);
}

void CRecentFiles::Save() {
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(iniPath_).parent_path(), ignored);
    wxFileConfig ini = OpenIni(iniPath_);
    ini.DeleteGroup("/Recent File List");
    ini.SetPath("/Recent File List");
    history_.Save(ini);
    ini.Flush();
}

void CRecentFiles::Add(const std::string& path) {
    history_.AddFileToHistory(ToWx(path));
    Save();
}

void CRecentFiles::Remove(const std::string& path) {
    const wxString wanted = ToWx(path);
    for (std::size_t i = 0; i < history_.GetCount(); ++i) {
        if (history_.GetHistoryFile(i) == wanted) {
            history_.RemoveFileFromHistory(i);
            Save();
            return;
        }
    }
}

void CRecentFiles::UseMenu(wxMenu* menu) {
    history_.UseMenu(menu);
    history_.AddFilesToMenu(menu);
}

std::string CRecentFiles::GetFile(int commandId) const {
    const int index = commandId - wxID_FILE1;
    if (index < 0 || index >= static_cast<int>(history_.GetCount()))
        return {};
    return FromWx(history_.GetHistoryFile(index));
}

std::vector<std::string> CRecentFiles::GetFiles() const {
    std::vector<std::string> files;
    for (std::size_t i = 0; i < history_.GetCount(); ++i)
        files.push_back(FromWx(history_.GetHistoryFile(i)));
    return files;
}
