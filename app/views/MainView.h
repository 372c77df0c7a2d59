#pragma once
// The main window's view without its window: the examination one section at a time under the
// section tabs, showing either the section's kept marks or its searches. From here searches are
// defined, run, edited and deleted, kept marks deleted (with one Undo), cut, copied, pasted and
// dragged to other sections, and the examination printed, compared with the registers' web
// pages or converted into a watch.

#include "app/views/MainViewRules.h"
#include "app/views/ZrView.h"

#include <string>
#include <vector>

// What the main view asks of its window beyond the draw area.
class IMainViewFrame {
public:
    virtual ~IMainViewFrame() = default;
    // The tab strip and the section's area placed again, the tabs read again.
    virtual void LayOut() = 0;
    // The main window redrawn, its title and status bar with it.
    virtual void RedrawFrame() = 0;
};

enum class EDropEffect { None, Copy, Move };

class CMainView : public CZrView {
public:
    static constexpr int kSectionMenu = 163;
    static constexpr int kSectionInfoCommand = 32818;
    static constexpr int kTabHeight = 20;

    CMainView(const CViewContext& context, IViewWindow& window, IMainViewFrame& frame);

    // The first section with kept marks or searches, in the display it needs.
    void OnInitialUpdate() override;
    void OnUpdate(IDocumentView* sender, int hint) override;

    // Displays.
    void ShowKeptMarks(bool kept);
    bool IsKeptDisplay() const { return &GetSubView() == &keptMarks_; }

    // Sections: one tab in a watch ("Watch"), else the examination's sections by name.
    int GetSection() const { return section_; }
    void SetSection(int section);
    int GetSectionCount() const;
    std::string GetSectionTabText(int section) const;
    // The section menu and its default command; none in a watch.
    int GetSectionMenuId() const;
    int GetSectionMenuDefault() const;
    // The strip's height: none for one section or a watch.
    int GetTabHeight() const;

    // Commands.
    CMainViewState GetState() const;
    bool IsEnabled(EMainCommand command) const { return IsMainCommandEnabled(command, GetState()); }
    // "&Undo Delete\tCtrl+Z" while Undo is possible, else "&Undo \tCtrl+Z".
    std::string GetUndoText() const;
    // Runs the command when it is enabled.
    void Run(EMainCommand command);

    // Marks added to a section, as pasted or dropped: they belong to no search there.
    void PasteMarks(std::span<const CMark> marks, int section);
    // A drag of the selected marks ended: moved ones leave the kept list of their section.
    void FinishDrag(const std::vector<CMark>& dragged, EDropEffect effect);
    // What a drag over a tab may do: nothing on the current section or without marks, a copy
    // with Ctrl, else a move.
    EDropEffect DropEffectOnTab(int tab, bool hasMarks, bool control) const;
    const std::vector<int>& GetUndoList() const { return undo_; }

private:
    CFilter MakeViewFilter() const;
    void ApplyUpdate(const CMainViewUpdate& plan);
    void FollowCurrentSearch();
    void NewSearch(ESearchSheet sheet);
    void Enquiry();
    void AddSearch();
    void DeleteMarks();
    void DeleteSearch();
    void Undo();
    void CopyMarks(bool cut);
    void Caveat();
    void RunNotRun(int section);
    void UsageStatistics();
    void Print(bool preview);
    void ClearPermanentKeep(int index);

    IMainViewFrame& frame_;
    int section_ = 0;
    std::vector<int> undo_;
    CZrListView keptMarks_{*this};
    CZrSearchView searches_{*this};
    bool searchSheetOpen_ = false;
};
