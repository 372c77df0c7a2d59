#pragma once
// The four recent files of the File menu, kept in the "ZR2000" ini of the user's configuration
// folder.

#include "app/ZrDocManager.h"

#include <wx/filehistory.h>

class wxMenu;

class CRecentFiles : public IRecentFiles {
public:
    static constexpr int kCount = 4;

    // The list in the ini file (created when it is first saved).
    explicit CRecentFiles(std::string iniPath);

    void Load();
    void Add(const std::string& path) override;
    void Remove(const std::string& path) override;
    // The menu lists the files and follows the list.
    void UseMenu(wxMenu* menu);
    // The file of a recent-file command (wxID_FILE1 ...); "" for another id.
    std::string GetFile(int commandId) const;
    std::vector<std::string> GetFiles() const;

private:
    void Save();

    std::string iniPath_;
    wxFileHistory history_{kCount};
};
