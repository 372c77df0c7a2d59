#pragma once
// The database selection panel as a window, for the dialogs and pages that let the user choose
// databases: the tabs of the maker's and the patent offices' databases, a column of check-box
// rows showing the panel's slots (groups, databases, the notice rows of direct databases with
// their links, the data-credit line and the training link), coloured by the panel, and a
// scroll bar that the wheel moves too. A click goes to the panel and the rows are laid out
// again.

#include "core/ui/HyperLink.h"
#include "engines/selection/DbSelectionPanel.h"

#include <array>
#include <vector>
#include <wx/panel.h>

class CDbSelectionTabs;
class wxCheckBox;
class wxScrollBar;
class wxStaticText;

class CDbSelectionPanelWnd : public wxPanel {
public:
    // The check boxes of the rows, in row order (13 at most), and the panel's other controls.
    static constexpr std::array<int, 13> kCheckIds = {1007, 1012, 1017, 1021, 1025, 1028, 1030,
                                                      1033, 1037, 1039, 1009, 1010, 1011};
    static constexpr int kFirstNoticeId = 1308;
    static constexpr int kDataCreditId = 1304;
    static constexpr int kScrollBarId = 1041;
    static constexpr int kTrainingId = 1523;
    static constexpr int kTabsId = 1307;

    // The controls follow what the panel was set up with; links open through the opener
    // (platform::OpenUrl without one).
    CDbSelectionPanelWnd(wxWindow* parent, CDbSelectionPanel& panel,
                         CHyperLink::Opener opener = {});

    // The panel's rows shown again, after the panel changed (such as an engine choice).
    void ShowRows();

private:
    struct Slot {
        wxCheckBox* check = nullptr;
        CHyperLink* notice = nullptr;
        // The text colour the check box has; 0 the default.
        std::uint32_t colour = 0;
    };

    // A row's check box at y, reaching to the right edge unless it is a notice's, in the
    // colour (changed only when it differs from the one shown).
    void ShowCheck(wxCheckBox& check, std::uint32_t& shownColour, const CDbSelectionSlot& slot,
                   int y, int right, std::uint32_t colour);
    void ShowLink(CHyperLink& link, const CDbSelectionSlot& slot, wxPoint at);
    // A disabled check box that has the focus hands it to the first enabled one.
    void PassFocusFrom(wxCheckBox& check);
    void OnCheck(int n);
    void OnWheel(wxMouseEvent& event);
    void OnTab(int tab);
    // Room for the widest notice row: its check box, its link and the scroll bar.
    int NoticeRowWidth();
    int RowHeight() const;
    int TabsHeight() const;

    CDbSelectionPanel& panel_;
    CDbSelectionTabs* tabs_ = nullptr;
    std::vector<Slot> slots_;
    wxStaticText* dataCredit_ = nullptr;
    CHyperLink* training_ = nullptr;
    wxScrollBar* scrollBar_ = nullptr;
};
