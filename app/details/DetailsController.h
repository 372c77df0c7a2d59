#pragma once
// A details window without its windows: the mark it shows, the list of marks it steps through
// (those that pass a filter of the view it was opened from), keeping and discarding, the marks it
// stores back, what it prints and what happens when it closes.
//
// The list can change under the window (marks deleted, added or committed elsewhere), so the
// window finds its mark again by record, register and section before it reads or stores one;
// a mark that has left the list is never stored over another.

#include "app/document/ZrDocData.h"
#include "core/Filter.h"
#include "core/Mark.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CZR2000Doc;
class CZrDbs;

// The view a details window was opened from: the main, results or watch view.
class IOpeningView {
public:
    virtual ~IOpeningView() = default;
    // 1 for a results view, where marks are kept and discarded; 0 for the main and watch views.
    virtual int GetDetailsMode() const = 0;
    // The search of a results view's filter, whose goods terms the text highlights; 0 for none.
    virtual int GetHighlightSearchId() const = 0;
    // The window has closed.
    virtual void OnDetailsClosed() = 0;
};

// The panes that show the mark.
class IDetailsPanes {
public:
    virtual ~IDetailsPanes() = default;
    virtual void ShowMark(const CMark& mark, int mode) = 0;
};

class CDetailsController {
public:
    static constexpr int kHintKeptChanged = 1;
    static constexpr int kHintLongChanged = 2;

    CDetailsController(CZR2000Doc& document, CZrDbs& registers, IDetailsPanes& panes);
    CDetailsController(const CDetailsController&) = delete;
    CDetailsController& operator=(const CDetailsController&) = delete;

    // The view's mode follows it.
    void SetOpeningView(IOpeningView* view);
    IOpeningView* GetOpeningView() const { return openingView_; }
    void SetMode(int mode) { mode_ = mode; }
    int GetMode() const { return mode_; }
    bool CanKeep() const { return mode_ == 1 || mode_ == 2; }
    // Closing commits the kept marks of the list's search (a search shown in details at once).
    void SetCommitOnClose() { commitOnClose_ = true; }
    CZrDbs& GetRegisters() const { return registers_; }
    // The goods terms of the opening results view's search, while the examination holds it.
    std::vector<std::string> GetHighlightTerms() const;

    // Takes the list and shows its index-th mark; false when the list has none there.
    bool ShowFilterMark(const CFilter& filter, int index);
    void ShowMark(const CMark& mark);
    const CMark& GetShownMark() const { return shown_; }
    int GetListIndex() const { return listIndex_; }
    const CFilter& GetFilter() const { return filter_; }
    // "<register's short name> <application number>".
    std::string GetTitle();

    bool CanPrevious() const;
    bool CanNext() const;
    void Previous();
    void Next();
    // Keep sets the kept flag, Discard clears it, in modes 1 and 2 only; a mark kept for good
    // stays kept.
    void Keep();
    void Discard();

    // Finds the shown mark's place in the list again; false when it has left the list.
    bool RelocateMark();
    // The document's copy of the shown mark; false when it has left the list.
    bool ReloadMark(CMark& mark);
    // Stores the mark in its place in the list; the views are told with the hint (0: none).
    void StoreMark(const CMark& mark, int hint);
    // Stores the mark's viewed flags without telling the views.
    void StoreViewedMark(const CMark& mark);

    // Shows each mark of the list in turn, letting the window's events through after each
    // (dispatch answers false when the program quits); it ends when the window has closed.
    static void ViewAllDetails(const std::weak_ptr<CDetailsController>& controller,
                               const std::function<bool()>& dispatch);

    // The window closes: kept marks are committed when asked, and the opening view is told.
    void OnClose();

private:
    // The list's mark at the index; false when there is none.
    bool ShowListMark(int index);
    void SetKeptFlag(bool kept);

    CZR2000Doc& document_;
    CZrDbs& registers_;
    IDetailsPanes& panes_;
    CFilter filter_;
    bool hasList_ = false;
    CMark shown_;
    IOpeningView* openingView_ = nullptr;
    int mode_ = 1;
    int listIndex_ = 0;
    bool commitOnClose_ = false;
};
