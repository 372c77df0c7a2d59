#include "app/views/ui/SectionTabs.h"

#include "app/document/ClipboardMarks.h"
#include "app/document/TextException.h"
#include "app/views/MainView.h"
#include "app/views/ui/ViewCommandIds.h"

#include <wx/menu.h>
#include <wx/settings.h>

namespace {

wxDragResult ToDragResult(EDropEffect effect) {
    switch (effect) {
    case EDropEffect::Copy:
        return wxDragCopy;
    case EDropEffect::Move:
        return wxDragMove;
    case EDropEffect::None:
        break;
    }
    return wxDragNone;
}

EDropEffect ToDropEffect(wxDragResult result) {
    switch (result) {
    case wxDragCopy:
        return EDropEffect::Copy;
    case wxDragMove:
        return EDropEffect::Move;
    default:
        return EDropEffect::None;
    }
}

wxDataFormat MarksFormat() {
    return wxDataFormat(kZrMarksFormat);
}

// The marks a drop brings; false for data that does not hold what it says.
bool ReadMarks(const wxCustomDataObject& data, std::vector<CMark>& marks) {
    try {
        DecodeClipboardMarks(
            std::string_view(static_cast<const char*>(data.GetData()), data.GetSize()), marks);
    } catch (const CTextException&) {
        return false;
    }
    return true;
}

void AppendItems(wxMenu& menu, std::initializer_list<std::pair<int, const char*>> items) {
    for (const auto& [id, text] : items)
        menu.Append(id, text);
}

} // namespace

CZrDropTarget::CZrDropTarget(CSectionTabs& tabs)
    : wxDropTarget(new wxCustomDataObject(MarksFormat())), tabs_(tabs) {}

wxDragResult CZrDropTarget::Effect(wxCoord x, wxCoord y, wxDragResult def, bool hasMarks) const {
    // The drag starts as a move (see DragSelection), so the toolkit suggests a copy only when
    // Ctrl, held, allows nothing else.
    return ToDragResult(
        tabs_.GetView().DropEffectOnTab(tabs_.HitTest({x, y}), hasMarks, def == wxDragCopy));
}

wxDragResult CZrDropTarget::OnEnter(wxCoord x, wxCoord y, wxDragResult def) {
    return OnDragOver(x, y, def);
}

wxDragResult CZrDropTarget::OnDragOver(wxCoord x, wxCoord y, wxDragResult def) {
    return Effect(x, y, def, GetMatchingPair() != wxDF_INVALID);
}

wxDragResult CZrDropTarget::OnData(wxCoord x, wxCoord y, wxDragResult def) {
    return GetData() ? DropMarks(x, y, def) : wxDragNone;
}

wxDragResult CZrDropTarget::DropMarks(wxCoord x, wxCoord y, wxDragResult def) {
    const wxDragResult effect = Effect(x, y, def, true);
    std::vector<CMark> marks;
    if (effect == wxDragNone ||
        !ReadMarks(*static_cast<wxCustomDataObject*>(GetDataObject()), marks))
        return wxDragNone;
    tabs_.GetView().PasteMarks(marks, tabs_.HitTest({x, y}));
    return effect;
}

CSectionTabs::CSectionTabs(wxWindow* parent, CMainView& view)
    : CTabs(parent, kId, true), view_(view) {
    SetDropTarget(new CZrDropTarget(*this));
}

int CSectionTabs::GetTabCount() const {
    return view_.GetSectionCount();
}

std::string CSectionTabs::GetTabName(int index) const {
    return view_.GetSectionTabText(index);
}

int CSectionTabs::GetCurrentTab() const {
    return view_.GetSection();
}

void CSectionTabs::SelectTab(int index) {
    view_.SetSection(index);
    Refresh(false);
}

std::unique_ptr<wxMenu> CSectionTabs::MakeContextMenu() {
    if (view_.GetSectionMenuId() == 0)
        return nullptr;
    auto menu = std::make_unique<wxMenu>();
    AppendItems(*menu,
                {{kCmdSectionInfo, "Section &Info"}, {kCmdChangeSectionName, "Change &Name"}});
    return menu;
}

int CSectionTabs::GetDefaultCommand() const {
    return view_.GetSectionMenuDefault();
}

CSectionView::CSectionView(wxWindow* parent) : CMarkCanvas(parent, kId) {}

void CSectionView::SetMainView(CMainView& view) {
    mainView_ = &view;
    SetView(view);
}

void CSectionView::OnLeftDown(wxMouseEvent& event) {
    CMarkCanvas::OnLeftDown(event);
    dragStart_.reset();
    if (mainView_->IsKeptDisplay() && mainView_->GetSelectionCount() > 0)
        dragStart_ = event.GetPosition();
}

void CSectionView::OnLeftUp(wxMouseEvent& event) {
    event.Skip();
    dragStart_.reset();
    if (mainView_->IsKeptDisplay())
        mainView_->CompleteClick(false);
}

void CSectionView::OnMotion(wxMouseEvent& event) {
    event.Skip();
    if (!dragStart_ || !event.LeftIsDown())
        return;
    const wxPoint moved = event.GetPosition() - *dragStart_;
    if (std::abs(moved.x) <= wxSystemSettings::GetMetric(wxSYS_DRAG_X, this) &&
        std::abs(moved.y) <= wxSystemSettings::GetMetric(wxSYS_DRAG_Y, this))
        return;
    dragStart_.reset();
    DragSelection();
}

void CSectionView::DragSelection() {
    const std::vector<CMark> dragged = mainView_->GetSelectedMarks();
    const std::string bytes = EncodeClipboardMarks(dragged);
    wxCustomDataObject data(MarksFormat());
    data.SetData(bytes.size(), bytes.data());
    wxDropSource source(data, this);
    // A plain drag moves the marks: the toolkit's own default for a drag with no key held is a
    // copy.
    mainView_->FinishDrag(dragged, ToDropEffect(source.DoDragDrop(wxDrag_DefaultMove)));
}

void CSectionView::OnContextMenu(const wxPoint& point) {
    wxMenu menu;
    if (mainView_->IsKeptDisplay()) {
        AppendItems(menu, {{kCmdDetails, "&Details"},
                           {kCmdWebPage, "&Web Page"},
                           {wxID_PRINT, "&Print..."},
                           {wxID_CUT, "Cu&t"},
                           {wxID_COPY, "&Copy"},
                           {wxID_PASTE, "&Paste"},
                           {kCmdShortSelection, "&Short Selection"},
                           {kCmdLongSelection, "&Long Selection"},
                           {kCmdDelete, "De&lete"}});
    } else {
        AppendItems(menu, {{kCmdRunSearchRow, "&Search"},
                           {kCmdSearchSection, "Search Se&ction"},
                           {kCmdSearchAll, "Search &All"},
                           {kCmdSearchInfo, "Search &Info"},
                           {kCmdAddSearch, "A&dd"},
                           {kCmdEditSearch, "&Edit"},
                           {kCmdDelete, "De&lete"}});
    }
    PopupMenu(&menu, point);
}
