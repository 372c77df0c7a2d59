#pragma once
// The string finder's list boxes: the merged list of a finder in a virtual list box, one line
// per entry with its tick box; a click ticks or unticks the line's string (up to a maximum) and
// Shift with the wheel moves the aligned column. Locarno and Vienna lists show the code column
// and highlight the typed text. What a line shows is CFinderLineDrawer's; what a click ticks is
// CFinderSelection's.

#include "app/controls/ui/VListBox.h"
#include "search/FinderLineDrawing.h"

#include <memory>
#include <string>
#include <vector>

class CZrDbs;

class CStringFinderListBox : public CVListBox {
public:
    static constexpr int kId = 1054;

    // The registers draw their flags. The list is empty until Initialise.
    CStringFinderListBox(wxWindow* parent, const CZrDbs& registers,
                         EFinderList kind = EFinderList::Strings);

    // Shows the finder's list (not owned) from its first line, the strings of the list already
    // ticked.
    void Initialise(CStringFinder& finder, std::vector<std::string> selected, bool aligned,
                    int maxSelected);
    // The width at which the list, that high, shows whole every line it shows from its first.
    int GetWidthToShowLines(int height);
    // The ticked strings in the order ticked.
    const std::vector<std::string>& GetSelected() const { return selection_->GetSelected(); }
    CFinderSelection& GetSelection() const { return *selection_; }

protected:
    void DrawLine(IDrawSurface& surface, int line, const CRect& rect) override;
    bool LineExists(int line) const override;
    bool ClickLine(int line) override;
    void StepSelection(int delta) override;

private:
    const CZrDbs& registers_;
    EFinderList kind_;
    std::unique_ptr<CFinderSelection> selection_;
    std::unique_ptr<CFinderLineDrawer> drawer_;
};

// Locarno classes: a click ticks "code description".
class CStringFinderLocarnoListBox : public CStringFinderListBox {
public:
    CStringFinderLocarnoListBox(wxWindow* parent, const CZrDbs& registers)
        : CStringFinderListBox(parent, registers, EFinderList::Locarno) {}
};

// Vienna codes: a click ticks the description.
class CStringFinderViennaListBox : public CStringFinderListBox {
public:
    CStringFinderViennaListBox(wxWindow* parent, const CZrDbs& registers)
        : CStringFinderListBox(parent, registers, EFinderList::Vienna) {}
};
