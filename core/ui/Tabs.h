#pragma once
// A strip of trapezoid tabs that asks its owner, through its virtual operations, for the tabs
// and what choosing one does, with optional arrow buttons that scroll it and a context menu.
// Its geometry and drawing are CTabsLayout's (core/Tabs.h).

#include "core/Tabs.h"

#include <memory>
#include <string>
#include <wx/control.h>
#include <wx/menu.h>

class CGraphicButton;

class CTabs : public wxControl {
public:
    static constexpr int kScrollLeftId = 257;
    static constexpr int kScrollRightId = 258;

    CTabs(wxWindow* parent, wxWindowID id, bool scrollButtons);

    // The names read again and measured; the strip redrawn.
    void Rebuild();
    const CTabsLayout& GetLayout() const { return layout_; }
    // The tab under the point; -1 for none.
    int HitTest(const wxPoint& point) const;
    bool CanScrollLeft() const;
    bool CanScrollRight() const;

protected:
    // What the owner answers.
    virtual int GetTabCount() const = 0;
    virtual std::string GetTabName(int index) const = 0;
    virtual int GetCurrentTab() const = 0;
    virtual void SelectTab(int index) = 0;
    // The context menu of a tab, with its default command; none by default.
    virtual std::unique_ptr<wxMenu> MakeContextMenu() { return nullptr; }
    virtual int GetDefaultCommand() const { return 0; }
    // The colour of a tab's caption; the normal one by default.
    virtual CColour GetTabCaptionColour(int, CColour normal) const { return normal; }

    wxSize DoGetBestSize() const override { return FromDIP(wxSize(200, 20)); }

private:
    void PlaceButtons();
    void UpdateButtons();
    void Scroll(bool right);
    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftDoubleClick(wxMouseEvent& event);
    void OnRightUp(wxMouseEvent& event);

    CTabsLayout layout_;
    CGraphicButton* left_ = nullptr;
    CGraphicButton* right_ = nullptr;
};
