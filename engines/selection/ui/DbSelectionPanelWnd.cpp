#include "engines/selection/ui/DbSelectionPanelWnd.h"

#include "core/ui/RowScrolling.h"
#include "core/ui/Tabs.h"
#include "core/ui/WxText.h"

#include <algorithm>
#include <ctime>
#include <wx/checkbox.h>
#include <wx/menu.h>
#include <wx/scrolbar.h>
#include <wx/stattext.h>

namespace {

// Row indents: group headers, databases, and the notice and information rows below a database.
constexpr int kGroupIndent = 0;
constexpr int kDatabaseIndent = 16;
constexpr int kNoticeIndent = 32;
constexpr int kPanelWidth = 400;
// Between a notice's check box and its link.
constexpr int kLinkGap = 4;

// A colour of the system's blue-green-red byte order.
CColour FromBgr(std::uint32_t value) {
    return MakeColour(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

wxColour ToWxColour(CColour colour) {
    return {colour.red, colour.green, colour.blue};
}

void Place(wxWindow& window, const wxRect& rect) {
    if (window.GetRect() != rect)
        window.SetSize(rect);
}

} // namespace

// The two tabs, their captions green while they hold a chosen database.
class CDbSelectionTabs : public CTabs {
public:
    CDbSelectionTabs(wxWindow* parent, const CDbSelectionPanel& panel,
                     std::function<void(int)> select)
        : CTabs(parent, CDbSelectionPanelWnd::kTabsId, false), panel_(panel),
          names_(panel.GetTabs()), select_(std::move(select)) {
        Rebuild();
    }

protected:
    int GetTabCount() const override { return static_cast<int>(names_.size()); }
    std::string GetTabName(int index) const override {
        return index >= 0 && index < GetTabCount() ? names_[static_cast<std::size_t>(index)]
                                                   : "???";
    }
    int GetCurrentTab() const override { return panel_.GetCurrentTab(); }
    void SelectTab(int index) override { select_(index); }
    CColour GetTabCaptionColour(int index, CColour) const override {
        return FromBgr(panel_.GetTabColour(index));
    }

private:
    const CDbSelectionPanel& panel_;
    std::vector<std::string> names_;
    std::function<void(int)> select_;
};

CDbSelectionPanelWnd::CDbSelectionPanelWnd(wxWindow* parent, CDbSelectionPanel& panel,
                                           CHyperLink::Opener opener)
    : wxPanel(parent, wxID_ANY), panel_(panel) {
    const CDbSelectionControls& controls = panel_.GetControls();
    tabs_ = new CDbSelectionTabs(this, panel_, [this](int tab) { OnTab(tab); });
    for (int n = 0; n < controls.visibleRows && n < static_cast<int>(kCheckIds.size()); ++n) {
        Slot slot;
        // A blank label, not an empty one: the rows take the height of a check box with text.
        slot.check = new wxCheckBox(this, kCheckIds[static_cast<std::size_t>(n)], " ");
        slot.check->Bind(wxEVT_CHECKBOX, [this, n](wxCommandEvent&) { OnCheck(n); });
        if (controls.noticeLinks) {
            slot.notice = new CHyperLink(this, kFirstNoticeId + n, " ", " ", 0, opener);
            slot.notice->SetUnderline(kUnderlineAlways);
        }
        slots_.push_back(slot);
    }
    if (controls.dataCreditStatic)
        dataCredit_ = new wxStaticText(this, kDataCreditId, "Data by courtesy of the DE office");
    if (controls.trainingLink) {
        training_ = new CHyperLink(this, kTrainingId, "(Click for Training help)", " ", 0, opener);
        training_->SetUnderline(kUnderlineAlways);
    }
    scrollBar_ =
        new wxScrollBar(this, kScrollBarId, wxDefaultPosition, wxDefaultSize, wxSB_VERTICAL);
    BindRowScrolling(*scrollBar_, [this](wxScrollEvent& event) {
        const int first = panel_.GetFirstVisibleRow();
        panel_.OnVScroll(ScrollCodeOf(event), event.GetPosition());
        if (panel_.GetFirstVisibleRow() != first)
            ShowRows();
    });
    Bind(wxEVT_MOUSEWHEEL, &CDbSelectionPanelWnd::OnWheel, this);
    for (wxWindow* child : GetChildren())
        child->Bind(wxEVT_MOUSEWHEEL, &CDbSelectionPanelWnd::OnWheel, this);
    Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        ShowRows();
        event.Skip();
    });
    SetMinSize({std::max(FromDIP(kPanelWidth), NoticeRowWidth()),
                TabsHeight() + static_cast<int>(slots_.size()) * RowHeight()});
    ShowRows();
}

int CDbSelectionPanelWnd::NoticeRowWidth() {
    const std::vector<std::string> links = panel_.GetNoticeLinkTexts();
    if (slots_.empty() || !slots_.front().notice || links.empty())
        return 0;
    int widest = 0;
    for (const std::string& link : links)
        widest = std::max(widest, slots_.front().notice->GetTextExtent(ToWx(link)).x);
    // The first row's check box measures the notice's; the rows shown give it its own text.
    wxCheckBox& check = *slots_.front().check;
    check.SetLabelText(CDbSelectionPanel::kNoticeCheckText);
    return FromDIP(kNoticeIndent) + check.GetBestSize().x + FromDIP(kLinkGap) + widest +
           scrollBar_->GetBestSize().x;
}

int CDbSelectionPanelWnd::RowHeight() const {
    return slots_.empty() ? 0 : slots_.front().check->GetBestSize().y + FromDIP(2);
}

int CDbSelectionPanelWnd::TabsHeight() const {
    return tabs_->GetBestSize().y;
}

void CDbSelectionPanelWnd::PassFocusFrom(wxCheckBox& check) {
    if (!check.HasFocus())
        return;
    for (const Slot& other : slots_)
        if (other.check != &check && other.check->IsEnabled()) {
            other.check->SetFocus();
            return;
        }
}

void CDbSelectionPanelWnd::ShowRows() {
    using Kind = CDbSelectionSlot::Kind;
    const wxSize client = GetClientSize();
    const int barWidth = scrollBar_->GetBestSize().x;
    const int top = TabsHeight();
    const int rowHeight = RowHeight();
    const std::time_t now = std::time(nullptr);
    Place(*tabs_, {0, 0, client.x, top});
    // The captions' colours follow the choice.
    tabs_->Refresh(false);
    bool creditShown = false;
    bool trainingShown = false;
    const std::vector<CDbSelectionSlot> shown = panel_.GetSlots();
    for (std::size_t n = 0; n < slots_.size(); ++n) {
        const CDbSelectionSlot& slot = shown[n];
        Slot& controls = slots_[n];
        const int y = top + static_cast<int>(n) * rowHeight;
        const bool isCheck =
            slot.kind == Kind::Group || slot.kind == Kind::Database || slot.kind == Kind::Notice;
        if (isCheck)
            ShowCheck(*controls.check, controls.colour, slot, y, client.x - barWidth,
                      panel_.GetRowColour(static_cast<int>(n), now));
        controls.check->Show(isCheck);
        if (controls.notice) {
            const bool notice = slot.kind == Kind::Notice;
            if (notice)
                ShowLink(*controls.notice, slot,
                         {controls.check->GetRect().GetRight() + FromDIP(kLinkGap), y});
            controls.notice->Show(notice);
        }
        if (slot.kind == Kind::DataCredit && dataCredit_) {
            dataCredit_->Move(FromDIP(kNoticeIndent), y);
            creditShown = true;
        }
        if (slot.kind == Kind::Training && training_) {
            ShowLink(*training_, slot, {FromDIP(kNoticeIndent), y});
            trainingShown = true;
        }
    }
    if (dataCredit_)
        dataCredit_->Show(creditShown);
    if (training_)
        training_->Show(trainingShown);
    const int visible = static_cast<int>(slots_.size());
    scrollBar_->SetScrollbar(panel_.GetFirstVisibleRow(), visible,
                             std::max(panel_.GetRowCount(), visible), visible);
    Place(*scrollBar_, {client.x - barWidth, top, barWidth, visible * rowHeight});
    scrollBar_->Show(panel_.NeedsScrollBar());
}

void CDbSelectionPanelWnd::ShowCheck(wxCheckBox& check, std::uint32_t& shownColour,
                                     const CDbSelectionSlot& slot, int y, int right,
                                     std::uint32_t colour) {
    using Kind = CDbSelectionSlot::Kind;
    const int indent = FromDIP(slot.kind == Kind::Group      ? kGroupIndent
                               : slot.kind == Kind::Database ? kDatabaseIndent
                                                             : kNoticeIndent);
    // Only what changed is handed on: relabelling makes the desktop measure and draw again.
    const wxString label = ToWx(slot.text);
    if (check.GetLabelText() != label)
        check.SetLabelText(label);
    check.SetValue(slot.checked);
    if (!slot.enabled)
        PassFocusFrom(check);
    check.Enable(slot.enabled);
    if (shownColour != colour) {
        check.SetForegroundColour(colour ? ToWxColour(FromBgr(colour)) : wxNullColour);
        shownColour = colour;
    }
    const wxSize best = check.GetBestSize();
    const int width = slot.kind == Kind::Notice ? best.x : std::max(best.x, right - indent);
    Place(check, {indent, y, width, best.y});
}

void CDbSelectionPanelWnd::ShowLink(CHyperLink& link, const CDbSelectionSlot& slot, wxPoint at) {
    const wxString text = ToWx(slot.linkText);
    if (link.GetLabel() != text)
        link.SetLabel(text);
    if (link.GetURL() != slot.linkUrl)
        link.SetURL(slot.linkUrl);
    if (link.GetPosition() != at)
        link.Move(at);
}

void CDbSelectionPanelWnd::OnCheck(int n) {
    panel_.OnCheckClicked(n, slots_[static_cast<std::size_t>(n)].check->GetValue());
    ShowRows();
}

void CDbSelectionPanelWnd::OnWheel(wxMouseEvent& event) {
    const int first = panel_.GetFirstVisibleRow();
    panel_.OnMouseWheel(event.ShiftDown() || event.ControlDown(),
                        VerticalWheelRotation(event, *scrollBar_));
    if (panel_.GetFirstVisibleRow() != first)
        ShowRows();
}

void CDbSelectionPanelWnd::OnTab(int tab) {
    if (tab == panel_.GetCurrentTab())
        return;
    panel_.OnTabChange(tab);
    ShowRows();
}
