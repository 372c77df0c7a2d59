#include "LayoutCheck.h"

#include "core/ui/HyperLink.h"
#include "core/ui/WxText.h"

#include <glib.h>
#include <string_view>
#include <utility>
#include <wx/bookctrl.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dcclient.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
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
    std::string name = FromWx(control.GetClassInfo()->GetClassName());
    const wxWindowList& siblings = control.GetParent()->GetChildren();
    wxString before;
    for (const wxWindow* sibling : siblings) {
        if (sibling == &control)
            break;
        if (const wxString label = LabelOf(*sibling); !label.empty())
            before = label;
    }
    return before.empty() ? name + " #" + std::to_string(control.GetId())
                          : name + " after '" + FromWx(before) + "'";
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
        const wxString title = window.GetTitle();
        if (title.empty())
            return;
        // The title bar's font is bold, and its buttons need room beside a centred title.
        wxClientDC dc(&window);
        dc.SetFont(window.GetFont().Bold());
        const int needed = dc.GetTextExtent(title).x + window.FromDIP(64);
        if (window.GetSize().x < needed)
            Add("the title '" + FromWx(title) + "' is wider than the window (" +
                std::to_string(window.GetSize().x) + " < " + std::to_string(needed) + ")");
    }

private:
    void Add(std::string fault) { faults_.push_back(std::move(fault)); }

    void CheckOwnSize(wxWindow& control) {
        // Around a list the program draws the desktop draws only a simple frame, neither the
        // theme's nor a sunken one; without a frame an empty list cannot be told from the page.
        if (dynamic_cast<wxVListBox*>(&control) && control.GetBorder() != wxBORDER_SIMPLE)
            Add(NameOf(control) + " has no frame");
        if (!HasBestSize(control))
            return;
        const wxSize size = control.GetSize();
        const wxSize best = control.GetBestSize();
        if (size.x < best.x)
            Add(NameOf(control) + " is narrower (" + std::to_string(size.x) + ") than its text (" +
                std::to_string(best.x) + ")");
        if (size.y < best.y)
            Add(NameOf(control) + " is lower (" + std::to_string(size.y) + ") than its text (" +
                std::to_string(best.y) + ")");
    }

    // The headings of a report list, each in full in its column.
    void CheckColumns(wxWindow& window) {
        auto* list = dynamic_cast<wxListCtrl*>(&window);
        if (!list || !list->InReportView())
            return;
        wxClientDC dc(list);
        dc.SetFont(list->GetFont());
        for (int column = 0; column < list->GetColumnCount(); ++column) {
            wxListItem heading;
            heading.SetMask(wxLIST_MASK_TEXT);
            list->GetColumn(column, heading);
            const int needed = dc.GetTextExtent(heading.GetText()).x + list->FromDIP(12);
            if (list->GetColumnWidth(column) < needed)
                Add("the column '" + FromWx(heading.GetText()) + "' is narrower (" +
                    std::to_string(list->GetColumnWidth(column)) + ") than its heading (" +
                    std::to_string(needed) + ")");
        }
    }

    void CheckSiblings(wxWindow& parent, const std::vector<wxWindow*>& children) {
        const bool scrolls = dynamic_cast<wxScrollHelperBase*>(&parent) != nullptr;
        const wxRect inside(parent.GetClientSize());
        for (std::size_t i = 0; i < children.size(); ++i) {
            const wxRect rect = children[i]->GetRect();
            if (!scrolls && !inside.Contains(rect) && !rect.IsEmpty())
                Add(NameOf(*children[i]) + " is cut by the edge of " + NameOf(parent));
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
                const int frame = box->FromDIP(3);
                wxRect inside = box->GetRect().Deflate(frame);
                const int title = box->GetTextExtent(box->GetLabel()).y;
                inside.SetTop(box->GetRect().GetTop() + title);
                if (!inside.Contains(control->GetRect()))
                    Add(NameOf(*control) + " touches or crosses the frame of the group box " +
                        NameOf(*box));
                return;
            }
        Add(NameOf(first) + " overlaps " + NameOf(second));
    }

    std::vector<std::string>& faults_;
};

// The recorder listening now, if any.
ToolkitWarnings*& Listening() {
    static ToolkitWarnings* listening = nullptr;
    return listening;
}

// GLib hands every message to one writer, set once for the program; the toolkit's warnings
// come as structured messages, so no older log handler would hear them.
GLogWriterOutput WriteLog(GLogLevelFlags level, const GLogField* fields, gsize count,
                          gpointer data) {
    ToolkitWarnings* recorder = Listening();
    if (!recorder || !(level & (G_LOG_LEVEL_ERROR | G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING)))
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
    recorder->Record(domain + ((level & G_LOG_LEVEL_WARNING) ? "-WARNING: " : "-CRITICAL: ") +
                     message);
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

ToolkitWarnings::ToolkitWarnings() {
    static const bool installed = [] {
        g_log_set_writer_func(WriteLog, nullptr, nullptr);
        return true;
    }();
    (void)installed;
    Listening() = this;
}

ToolkitWarnings::~ToolkitWarnings() {
    Listening() = nullptr;
}

void ToolkitWarnings::Record(std::string message) {
    messages_.push_back(std::move(message));
}

std::vector<std::string> ToolkitWarnings::Take() {
    return std::exchange(messages_, {});
}

} // namespace wx_test
