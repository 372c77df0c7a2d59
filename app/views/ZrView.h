#pragma once
// The common base of the views that show an examination's marks (the main view, the results
// view and the watch view), without a window. A filter decides which marks and searches of the
// document it shows; the active display mode (SubViews.h) decides how. The base keeps the
// selected rows and the current search row, sets the kept and long flags of marks in bulk,
// opens and tracks the details windows of marks (four at most) and fetches the summary records
// of the rows about to be shown, one engine call per register.
//
// Rows are positions in the view's index lists, not document indexes; the lists, the selection
// and the current search row hold until the next Refresh.

#include "app/document/DocumentServices.h"
#include "app/views/RowSelection.h"
#include "app/views/SubViews.h"
#include "app/views/ViewServices.h"
#include "app/views/ViewWindow.h"
#include "core/Filter.h"
#include "core/VmRec.h"
#include "registers/CheckBox.h"

#include <string>
#include <vector>

class CSearch;

class CZrView : public IDocumentView {
public:
    static constexpr int kMaxDetailsWindows = 4;
    // What the document's views are told beyond the document's own hints.
    static constexpr int kHintKeptChanged = 1;
    static constexpr int kHintLongChanged = 2;
    static constexpr int kHintMarksDeleted = 1024;

    CZrView(const CViewContext& context, IViewWindow& window);
    // Closes the details windows opened from the view.
    ~CZrView() override;
    CZrView(const CZrView&) = delete;
    CZrView& operator=(const CZrView&) = delete;

    // The first update: the display reset, then an update of the derived view; later calls do
    // nothing.
    virtual void OnInitialUpdate();
    // The index lists rebuilt from the filter, the selection and the current search row
    // cleared, the display recalculated from the top and redrawn.
    virtual void Refresh();
    // Whether a click on a mark's box keeps it (else it makes the mark long or short).
    virtual bool ClickTogglesKeep() const { return false; }
    // The kind of box the rows show; kept marks take the kept colours in a Keep list.
    virtual int GetBoxType() const { return kBoxLong; }
    // After every change of the first visible row.
    virtual void OnFirstRowChanged(int /*firstIndex*/) {}
    // A search row opened with a double click or Enter: run or shown; in a watch, whose runs go
    // by watched mark, edited in the search sheet instead.
    virtual void OpenSearchRow(int row);
    // The row's search edited in the full search sheet; OK replaces it in the document.
    void EditSearchRow(int row);

    // The window's input.
    void OnLButtonDown(int keyFlags, CPoint point) { subView_->OnLButtonDown(keyFlags, point); }
    void OnLButtonDblClk(int keyFlags, CPoint point) { subView_->OnLButtonDblClk(keyFlags, point); }
    void OnRButtonDown(int keyFlags, CPoint point) { subView_->OnRButtonDown(keyFlags, point); }
    void OnVScroll(EScrollCode code, int pos) { subView_->OnVScroll(code, pos); }
    void OnSize() { subView_->OnSize(); }
    // The display's keys, else the paging keys scroll; false for keys nobody handled.
    bool OnKeyDown(EViewKey key, int keyFlags);
    void OnMouseWheel(int keyFlags, int delta, int linesPerNotch);
    // Only what lies in the clip box.
    void Draw(IDrawSurface& surface, const CRect& clip) { subView_->Draw(surface, clip); }

    const CFilter& GetFilter() const { return filter_; }
    // A copy of the filter, then Refresh.
    void SetFilter(const CFilter& filter);
    CZrSubView& GetSubView() const { return *subView_; }
    // Made active and recalculated from the top, unless it is already.
    void SetSubView(CZrSubView& subView);

    int GetMarkCount() const { return markIndexes_.GetSize(); }
    int GetSearchRowCount() const { return searchIndexes_.GetSize(); }
    // Throw "out of bounds" for a row outside the lists.
    int GetMarkIndex(int row) const { return markIndexes_.GetAt(row); }
    const CMark& GetShownMark(int row) const;
    const CSearch& GetShownSearch(int row) const;
    // Stores the mark of the row in the document; a hint other than 0 goes to the views when it
    // changed.
    void SetMark(const CMark& mark, int row, int hint);
    // Its viewed bits and number, without a hint.
    void SetMarkQuiet(const CMark& mark, int row);
    // Flag 0x10 or 0x02 of every row or every selected row, then one hint (1 or 2).
    void SetKeptAll(bool kept);
    void SetKeptSelection(bool kept);
    void SetLongAll(bool isLong);
    void SetLongSelection(bool isLong);
    void UpdateAllViews(int hint);

    // Selection of mark rows.
    virtual void SelectRow(int row, int keyFlags);
    bool IsRowSelected(int row) const { return selection_.IsSelected(row); }
    void SelectAll();
    void ClearSelection();
    int GetSelectionCount() const { return selection_.GetCount(); }
    int GetFocusRow() const { return selection_.GetFocus(); }
    const std::set<int>& GetSelectedRows() const { return selection_.GetRows(); }
    // The marks of the selected rows, in row order.
    std::vector<CMark> GetSelectedMarks() const;
    void CompleteClick(bool dragged);

    // The current search row: selecting one runs or shows its search in an open results window,
    // else makes it the document's current search.
    void SelectSearchRow(int row);
    int GetCurrentSearchRow() const { return currentSearchRow_; }
    bool HasCurrentSearchRow() const { return currentSearchRow_ >= 0; }
    void ClearCurrentSearchRow() { currentSearchRow_ = -1; }
    int GetCurrentSearchId() const { return currentSearchId_; }
    void SetCurrentSearchId(int searchId) { currentSearchId_ = searchId; }

    // Details windows: command Details needs exactly one selected row and room for a window.
    bool CanOpenDetails() const;
    bool HasRoomForDetails() const;
    // "U201 Too many detail windows open" when four are open.
    void OpenDetails(int row) { OpenDetails(filter_, row); }
    // A details window on the index-th mark passing the filter.
    void OpenDetails(const CFilter& filter, int index);
    void CloseAllDetails();
    // Every open window on the same record of the same register in the same section.
    void CloseDetailsOfMark(const CMark& mark);
    // A window opened on the view's behalf (an enquiry shown in details) counts among its own.
    void AddDetails(IDetailsWindow* window) { details_.push_back(window); }
    void RemoveDetails(IDetailsWindow* window);
    int GetDetailsCount() const { return static_cast<int>(details_.size()); }

    // Web Page: exactly one selected row of the domain-names register.
    bool CanOpenWebPage() const;
    void OpenWebPage();

    // Rows first to last whose summary records the cache lacks, fetched in one call per
    // register; only with [Config] PreCache.
    void PrefetchSummaries(int first, int last);

    CZR2000Doc& GetDocument() const { return context_.document; }
    CZrDbs& GetRegisters() const { return context_.registers; }
    CUserOptions& GetUserOptions() const { return context_.user; }
    const CViewContext& GetContext() const { return context_; }
    IViewWindow& GetWindow() const { return window_; }

protected:
    // The display active from the start, before the first update resets it.
    void InitSubView(CZrSubView& subView) { subView_ = &subView; }
    // The filter, or the current search row, changed without the lists being rebuilt.
    void SetFilterQuietly(const CFilter& filter) { filter_ = filter; }
    void SetCurrentSearchRowQuietly(int row) { currentSearchRow_ = row; }
    // Which of the lists to rebuild, keeping the selection or the current search row of the
    // other.
    void RebuildMarks();
    void RebuildSearches();

private:
    // The selected rows, or every row.
    std::vector<int> Rows(bool selectedOnly) const;
    void SetFlagOfRows(const std::vector<int>& rows, std::uint32_t flag, bool on, int hint);
    bool IsDomainRow(int row) const;

    CViewContext context_;
    IViewWindow& window_;
    CFilter filter_;
    TVmRec<int> markIndexes_;
    TVmRec<int> searchIndexes_;
    int currentSearchId_ = 0;
    CRowSelection selection_;
    int currentSearchRow_ = -1;
    CZrSubView* subView_ = nullptr;
    std::vector<IDetailsWindow*> details_;
    bool initialised_ = false;
};
