#include "LayoutCheck.h"

#include "TextCutSurface.h"
#include "app/controls/ui/VListBox.h"
#include "core/ui/HyperLink.h"
#include "core/ui/WxDrawSurface.h"
#include "core/ui/WxText.h"

#include <algorithm>
#include <glib.h>
#include <mutex>
#include <string_view>
#include <utility>
#include <wx/bookctrl.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dcmemory.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/scrolwin.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>
#include <wx/toplevel.h>
#include <wx/vlbox.h>

namespace wx_test {

namespace {

// What a user reads on the control, without its mnemonic.
wxString LabelOf(const wxWindow& control) {
    return wxControl::RemoveMnemonics(control.GetLabel()).Trim().Trim(false);
}

// The control by its label; one without a label by its kind and the labelled control before it.
std::string NameOf(const wxWindow& control) {
    if (const wxString label = LabelOf(control); !label.empty())
        return "'" + FromWx(label) + "'";
    const std::string kind = FromWx(control.GetClassInfo()->GetClassName());
    wxString before;
    for (const wxWindow* sibling : control.GetParent()->GetChildren()) {
        if (sibling == &control)
            break;
        if (const wxString label = LabelOf(*sibling); !label.empty())
            before = label;
    }
    return before.empty() ? kind + " #" + std::to_string(control.GetId())
                          : kind + " after '" + FromWx(before) + "'";
}

bool HasBestSize(const wxWindow& control) {
    return dynamic_cast<const wxStaticText*>(&control) ||
           dynamic_cast<const wxAnyButton*>(&control) ||
           dynamic_cast<const wxCheckBox*>(&control) ||
           dynamic_cast<const wxRadioButton*>(&control) ||
           dynamic_cast<const CHyperLink*>(&control);
}

// Bars of a frame sit outside its client area.
bool IsBar(const wxWindow& window) {
    return dynamic_cast<const wxToolBar*>(&window) || dynamic_cast<const wxStatusBar*>(&window);
}

class CChecker {
public:
    explicit CChecker(std::vector<std::string>& faults) : faults_(faults) {}

    void CheckTree(wxWindow& window) {
        CheckOwnSize(window);
        CheckColumns(window);
        CheckDrawnLines(window);
        std::vector<wxWindow*> children;
        if (auto* book = dynamic_cast<wxBookCtrlBase*>(&window)) {
            // The pages share one place; only the one shown is seen.
            if (wxWindow* page = book->GetCurrentPage())
                children.push_back(page);
        } else {
            for (wxWindow* child : window.GetChildren())
                if (child->IsShown() && !child->IsTopLevel() && !IsBar(*child))
                    children.push_back(child);
            CheckSiblings(window, children);
        }
        for (wxWindow* child : children)
            CheckTree(*child);
    }

    void CheckTitle(wxTopLevelWindow& window) {
        // The title bar's font is bold, and its buttons need room beside a centred title.
        const wxFont bold = window.GetFont().Bold();
        int width = 0;
        window.GetTextExtent(window.GetTitle(), &width, nullptr, nullptr, nullptr, &bold);
        CheckRoom("the window titled '" + FromWx(window.GetTitle()) + "'", window.GetSize().x,
                  width + window.FromDIP(64));
    }

private:
    void CheckRoom(const std::string& what, int room, int needed, const char* extent = "wide") {
        if (room < needed)
            faults_.push_back(what + " is " + std::to_string(room) + " " + extent +
                              " where it needs " + std::to_string(needed));
    }

    void CheckOwnSize(wxWindow& control) {
        // Around a list the program draws the desktop draws only a simple frame, neither the
        // theme's nor a sunken one; without a frame an empty list cannot be told from the page.
        if (dynamic_cast<wxVListBox*>(&control) && control.GetBorder() != wxBORDER_SIMPLE)
            faults_.push_back(NameOf(control) + " has no frame");
        if (!HasBestSize(control))
            return;
        const wxSize size = control.GetSize();
        const wxSize best = control.GetBestSize();
        CheckRoom(NameOf(control), size.x, best.x);
        CheckRoom(NameOf(control), size.y, best.y, "high");
    }

    // The headings and entries of a report list, each in full in its column.
    void CheckColumns(wxWindow& window) {
        auto* list = dynamic_cast<wxListCtrl*>(&window);
        if (!list || !list->InReportView())
            return;
        for (int column = 0; column < list->GetColumnCount(); ++column) {
            wxListItem heading;
            heading.SetMask(wxLIST_MASK_TEXT);
            list->GetColumn(column, heading);
            const std::string name = "the column '" + FromWx(heading.GetText()) + "'";
            const int width = list->GetColumnWidth(column);
            CheckRoom(name, width, list->GetTextExtent(heading.GetText()).x + list->FromDIP(12));
            // The list draws an entry 2 pixels into its column and leaves 8 of the column free;
            // the widest entry of a column stands for all.
            std::pair<int, wxString> widest;
            for (long item = 0; item < list->GetItemCount(); ++item) {
                const wxString entry = list->GetItemText(item, column);
                widest = std::max(widest, {list->GetTextExtent(entry).x, entry});
            }
            CheckRoom(name + " for its entry '" + FromWx(widest.second) + "'", width,
                      widest.first + 8);
        }
    }

    // The texts an owner-drawn list draws, each whole on its line: drawn as on the screen, on a
    // bitmap of the list's size.
    void CheckDrawnLines(wxWindow& window) {
        auto* list = dynamic_cast<CVListBox*>(&window);
        if (!list)
            return;
        wxBitmap bitmap(list->GetClientSize());
        wxMemoryDC dc(bitmap);
        dc.SetFont(list->GetFont());
        CTextCutSurface<CWxDrawSurface> surface(dc);
        list->PaintLines(surface);
        for (const std::string& cut : surface.CutTexts())
            faults_.push_back("in " + NameOf(*list) + " " + cut);
    }

    void CheckSiblings(wxWindow& parent, const std::vector<wxWindow*>& children) {
        const bool scrolls = dynamic_cast<wxScrollHelperBase*>(&parent) != nullptr;
        const wxRect inside(parent.GetClientSize());
        for (std::size_t i = 0; i < children.size(); ++i) {
            const wxRect rect = children[i]->GetRect();
            if (!scrolls && !inside.Contains(rect) && !rect.IsEmpty())
                faults_.push_back(NameOf(*children[i]) + " is cut by the edge of " +
                                  NameOf(parent));
            for (std::size_t j = i + 1; j < children.size(); ++j)
                CheckPair(*children[i], *children[j]);
        }
    }

    void CheckPair(wxWindow& first, wxWindow& second) {
        const wxRect a = first.GetRect();
        const wxRect b = second.GetRect();
        if (a.IsEmpty() || b.IsEmpty() || !a.Intersects(b))
            return;
        // Controls of a group box may be its siblings, lying within its frame and below its
        // title.
        for (auto [box, control] : {std::pair{&first, &second}, std::pair{&second, &first}})
            if (dynamic_cast<wxStaticBox*>(box)) {
                wxRect inside = box->GetRect().Deflate(box->FromDIP(3));
                inside.SetTop(box->GetRect().GetTop() + box->GetTextExtent(box->GetLabel()).y);
                if (!inside.Contains(control->GetRect()))
                    faults_.push_back(NameOf(*control) +
                                      " touches or crosses the frame of the group box " +
                                      NameOf(*box));
                return;
            }
        faults_.push_back(NameOf(first) + " overlaps " + NameOf(second));
    }

    std::vector<std::string>& faults_;
};

// What the toolkit logged since it was last taken; the toolkit logs from threads of its own too.
struct CRecorded {
    std::mutex mutex;
    std::vector<std::string> messages;
};

CRecorded& Recorded() {
    // Never destroyed: a thread may still log while the program ends.
    static auto* recorded = new CRecorded;
    return *recorded;
}

// GLib hands every message to one writer, set once for the program; the toolkit's warnings
// come as structured messages, so no older log handler would hear them.
GLogWriterOutput WriteLog(GLogLevelFlags level, const GLogField* fields, gsize count,
                          gpointer data) {
    if (!(level & (G_LOG_LEVEL_ERROR | G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING)))
        return g_log_writer_default(level, fields, count, data);
    std::string domain;
    std::string message;
    for (gsize i = 0; i < count; ++i) {
        const std::string_view key = fields[i].key;
        const auto* value = static_cast<const char*>(fields[i].value);
        if (fields[i].length < 0 && value && key == "GLIB_DOMAIN")
            domain = value;
        else if (fields[i].length < 0 && value && key == "MESSAGE")
            message = value;
    }
    const std::lock_guard lock(Recorded().mutex);
    Recorded().messages.push_back(
        domain + ((level & G_LOG_LEVEL_WARNING) ? "-WARNING: " : "-CRITICAL: ") + message);
    return G_LOG_WRITER_HANDLED;
}

} // namespace

std::vector<std::string> LayoutFaults(wxWindow& window) {
    std::vector<std::string> faults;
    CChecker checker(faults);
    if (auto* top = dynamic_cast<wxTopLevelWindow*>(&window))
        checker.CheckTitle(*top);
    checker.CheckTree(window);
    return faults;
}

std::vector<std::string> TakeToolkitWarnings() {
    static const bool installed = [] {
        g_log_set_writer_func(WriteLog, nullptr, nullptr);
        return true;
    }();
    (void)installed;
    const std::lock_guard lock(Recorded().mutex);
    return std::exchange(Recorded().messages, {});
}

} // namespace wx_test
