#pragma once
// The tab strip of a details window's right-hand pane: its tabs, the current one and the choice
// of another come from the pane's model; on the PTO tab its context menu offers to reload the
// register's page.

#include "core/ui/Tabs.h"

#include <wx/menu.h>

class CDetailsTabsModel;

class CDetailsTabs : public CTabs {
public:
    // Clear of the main window's commands and of the details window's own.
    static constexpr int kCmdReload = wxID_HIGHEST + 120;

    CDetailsTabs(wxWindow* parent, wxWindowID id, CDetailsTabsModel& model);

protected:
    int GetTabCount() const override;
    std::string GetTabName(int index) const override;
    int GetCurrentTab() const override;
    void SelectTab(int index) override;
    std::unique_ptr<wxMenu> MakeContextMenu() override;
    int GetDefaultCommand() const override;

private:
    CDetailsTabsModel& model_;
};
