#pragma once
// The database selection panel's rows as a plain check list, standing in for the panel's own
// window: the panel's tabs in a choice, its visible check-box rows as lines (a notice row with
// its link text), and its scroll bar. Colours and links are the panel window's.

#include <vector>
#include <wx/panel.h>

class CDbSelectionPanel;
class wxCheckListBox;
class wxChoice;
class wxScrollBar;

class CDbSelectionList : public wxPanel {
public:
    enum : int { kTabs = 1307, kRows = 1007, kScrollBar = 1041 };

    CDbSelectionList(wxWindow* parent, CDbSelectionPanel& panel);
    // The panel's rows again, after its catalogue or engines changed.
    void ShowRows();

private:
    CDbSelectionPanel& panel_;
    wxChoice* tabs_;
    wxCheckListBox* rows_;
    wxScrollBar* scrollBar_;
    // The panel's slot of each line, and whether it takes clicks.
    struct Line {
        int slot;
        bool enabled;
    };
    std::vector<Line> lines_;
};
