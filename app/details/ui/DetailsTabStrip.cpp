#include "app/details/ui/DetailsTabStrip.h"

#include "app/details/DetailsTabs.h"

CDetailsTabs::CDetailsTabs(wxWindow* parent, wxWindowID id, CDetailsTabsModel& model)
    : CTabs(parent, id, false), model_(model) {
    SetName("Tabs");
    Rebuild();
}

int CDetailsTabs::GetTabCount() const {
    return model_.GetTabCount();
}

std::string CDetailsTabs::GetTabName(int index) const {
    return CDetailsTabsModel::GetTabName(index);
}

int CDetailsTabs::GetCurrentTab() const {
    return model_.GetCurrentTab();
}

void CDetailsTabs::SelectTab(int index) {
    model_.SelectTab(index);
}

std::unique_ptr<wxMenu> CDetailsTabs::MakeContextMenu() {
    if (model_.GetContextMenuId() != CDetailsTabsModel::kDetailTabsMenu)
        return nullptr;
    auto menu = std::make_unique<wxMenu>();
    menu->Append(CDetailsTabs::kCmdReload, "&Reload Original Page");
    return menu;
}

int CDetailsTabs::GetDefaultCommand() const {
    return CDetailsTabs::kCmdReload;
}
