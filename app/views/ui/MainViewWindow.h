#pragma once
// The main view's window: the section tabs above the current section's area, the main view
// (app/views/MainView.h) over them, and its menus in the main window: Edit and Find, Print in
// the File menu, Convert to Watch in the Examination menu. The view's commands are handled on
// the main window for as long as the view lives.

#include "app/views/MainView.h"

#include <memory>
#include <vector>
#include <wx/panel.h>
#include <wx/weakref.h>

class CSectionTabs;
class CSectionView;
class wxMenu;
class wxMenuBar;
class wxMenuItem;

class CMainViewWindow : public wxPanel, public IMainViewFrame {
public:
    CMainViewWindow(wxWindow* parent, const CViewContext& context);
    ~CMainViewWindow() override;

    CMainView& GetView() const { return *view_; }
    CSectionTabs& GetTabs() const { return *tabs_; }
    CSectionView& GetSectionView() const { return *canvas_; }

    // IMainViewFrame.
    void LayOut() override;
    void RedrawFrame() override;

private:
    void InstallMenus(wxMenuBar& bar);
    void RemoveMenus();
    void BindCommands(wxWindow& frame);
    void OnCommand(wxCommandEvent& event);
    void OnUpdateCommand(wxUpdateUIEvent& event);
    void OnSectionCommand(wxCommandEvent& event);
    void ShowSectionInfo();
    void ChangeSectionName();

    CSectionView* canvas_;
    std::unique_ptr<CMainView> view_;
    CSectionTabs* tabs_;
    wxWeakRef<wxMenuBar> menuBar_;
    std::vector<wxWeakRef<wxMenu>> menus_;
    // Items put into the main window's own menus, with the menu that holds each.
    std::vector<std::pair<wxWeakRef<wxMenu>, wxMenuItem*>> items_;
};
