#pragma once
// The main view's strip of section tabs and the area below it in which the view shows the
// current section. Marks dragged onto another section's tab are moved there (copied with Ctrl);
// kept marks are dragged out of the area.

#include "app/views/ui/MarkCanvas.h"
#include "core/ui/Tabs.h"

#include <optional>
#include <wx/dnd.h>

class CMainView;
class CSectionTabs;

// Takes marks dropped on a tab.
class CZrDropTarget : public wxDropTarget {
public:
    explicit CZrDropTarget(CSectionTabs& tabs);

    wxDragResult OnEnter(wxCoord x, wxCoord y, wxDragResult def) override;
    wxDragResult OnDragOver(wxCoord x, wxCoord y, wxDragResult def) override;
    wxDragResult OnData(wxCoord x, wxCoord y, wxDragResult def) override;
    // The marks of the data object added to the tab's section; what the drop did.
    wxDragResult DropMarks(wxCoord x, wxCoord y, wxDragResult def);

private:
    wxDragResult Effect(wxCoord x, wxCoord y, wxDragResult def, bool hasMarks) const;

    CSectionTabs& tabs_;
};

class CSectionTabs : public CTabs {
public:
    static constexpr int kId = 42;

    CSectionTabs(wxWindow* parent, CMainView& view);
    CMainView& GetView() const { return view_; }

protected:
    int GetTabCount() const override;
    std::string GetTabName(int index) const override;
    int GetCurrentTab() const override;
    void SelectTab(int index) override;
    std::unique_ptr<wxMenu> MakeContextMenu() override;
    int GetDefaultCommand() const override;

private:
    CMainView& view_;
};

// The current section's area: the view's displays draw and scroll in it.
class CSectionView : public CMarkCanvas {
public:
    static constexpr int kId = 43;

    explicit CSectionView(wxWindow* parent);
    void SetMainView(CMainView& view);

protected:
    void OnLeftDown(wxMouseEvent& event) override;
    void OnLeftUp(wxMouseEvent& event) override;
    // Kept marks start a drag once the pointer moves far enough with the button held.
    void OnMotion(wxMouseEvent& event) override;
    void OnContextMenu(const wxPoint& point) override;

private:
    void DragSelection();

    CMainView* mainView_ = nullptr;
    std::optional<wxPoint> dragStart_;
};
