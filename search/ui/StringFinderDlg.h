#pragma once
// The string finder's four dialogs: the merged list of a finder for the text typed on a search
// page, in a list box whose strings the user ticks, up to a maximum, with OK, Cancel and Help.
// After OK, GetSelected hands the ticked strings back; the page takes them over.
// - CStringFinderDlg: names and terms, aligned on their position when asked; resizable.
// - CStringFinderNarrowDlg: the General page's Word Index and Word Finder; not resizable.
// - CStringFinderViennaDlg, CStringFinderLocarnoDlg: codes with their descriptions; resizable.

#include "core/ui/ZrDialog.h"
#include "search/ui/StringFinderListBox.h"

#include <functional>
#include <string>
#include <vector>
#include <wx/font.h>

// What the dialogs draw with and where their Help leads.
struct CFinderDlgServices {
    const CZrDbs& registers;
    // The list's font, as it is when a dialog opens.
    const wxFont& font;
    // Opens a help topic by its context id.
    std::function<void(int contextId)> showHelp;
};

class CStringFinderDlgBase : public CZrDialog {
public:
    // The caption of a page that names none.
    static constexpr const char* kDefaultTitle = "String Finder";

    CStringFinderListBox& GetListBox() const { return *list_; }
    // The ticked strings, after OK.
    const std::vector<std::string>& GetSelected() const { return selected_; }
    bool TransferDataFromWindow() override;

protected:
    // templateId: the help topic is 0x20000 more.
    CStringFinderDlgBase(wxWindow* parent, const std::string& title, bool resizable, int templateId,
                         const CFinderDlgServices& services);
    // Shows the finder in the list (a child of the dialog), the strings given ticked, over the
    // buttons; a wide list has room for a page of entries with their flags.
    void Finish(CStringFinderListBox* list, CStringFinder& finder,
                std::vector<std::string> selected, bool aligned, int maxSelected, bool wide);

private:
    CFinderDlgServices services_;
    CStringFinderListBox* list_ = nullptr;
    std::vector<std::string> selected_;
};

class CStringFinderDlg : public CStringFinderDlgBase {
public:
    static constexpr int kTemplateId = 139;

    CStringFinderDlg(wxWindow* parent, CStringFinder& finder, std::vector<std::string> selected,
                     const std::string& title, bool aligned, int maxSelected,
                     const CFinderDlgServices& services);
};

// A dialog whose list is not aligned: its list box, its template and whether it resizes (and is
// wide).
template <class ListBox, int TemplateId, bool Resizable>
class CStringFinderKindDlg : public CStringFinderDlgBase {
public:
    static constexpr int kTemplateId = TemplateId;

    CStringFinderKindDlg(wxWindow* parent, CStringFinder& finder, std::vector<std::string> selected,
                         const std::string& title, int maxSelected,
                         const CFinderDlgServices& services)
        : CStringFinderDlgBase(parent, title, Resizable, TemplateId, services) {
        Finish(new ListBox(this, services.registers), finder, std::move(selected), false,
               maxSelected, Resizable);
    }
};

using CStringFinderNarrowDlg = CStringFinderKindDlg<CStringFinderListBox, 170, false>;
using CStringFinderViennaDlg = CStringFinderKindDlg<CStringFinderViennaListBox, 168, true>;
using CStringFinderLocarnoDlg = CStringFinderKindDlg<CStringFinderLocarnoListBox, 168, true>;
