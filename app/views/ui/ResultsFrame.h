#pragma once
// The results window: the results view (app/views/ResultsView.h) in a frame on the right of the
// desktop, with a tool bar, the section, search and mark labels, a status bar and its menus.
// Search, Ident and Enquiry (F5, F7, F8) and the quick save (Ctrl+F12) go to the main window
// while it takes input. The program has at most one, which CResultsWindow opens and tracks.

#include "app/SearchRunFlow.h"
#include "app/views/ResultsView.h"
#include "app/views/ui/MarkCanvas.h"

#include <functional>
#include <memory>
#include <wx/frame.h>

class wxStaticText;
class wxStatusBar;

struct CResultsFrameOptions {
    // The Tools menu with Web Diff ([Test] ShowWebDiff).
    bool showWebDiff = false;
    // The main window, which takes the forwarded search commands.
    std::function<wxWindow*()> mainWindow;
    std::function<wxStatusBar*(wxFrame& frame)> makeStatusBar;
    std::function<void(int contextId)> showHelp;
};

class CResultsCanvas : public CMarkCanvas {
public:
    explicit CResultsCanvas(wxWindow* parent) : CMarkCanvas(parent, wxID_ANY) {}

protected:
    void OnContextMenu(const wxPoint& point) override;
};

class CResultsFrame : public wxFrame, public IResultsFrame {
public:
    static constexpr int kHelpId = 129;
    static constexpr int kSectionLabelId = 1151;
    static constexpr int kSearchLabelId = 1068;
    static constexpr int kMarkLabelId = 1067;

    // Opens on the document's current search; closing calls onClosed.
    CResultsFrame(const CViewContext& context, const CResultsFrameOptions& options,
                  bool showPreviouslyFound, std::function<void()> onClosed);
    ~CResultsFrame() override;

    CResultsView& GetView() const { return *view_; }
    CResultsCanvas& GetCanvas() const { return *canvas_; }
    // The review ends at once (the search's kept marks committed, its details windows closed,
    // the program told), then the window goes.
    void CloseNow();

    void ShowLabels(const CResultsLabels& labels) override;
    void ShowTitle(const std::string& title) override;

private:
    void BuildMenus();
    void BuildToolBar();
    wxWindow* BuildLabels();
    void OnCommand(wxCommandEvent& event);
    void OnUpdateCommand(wxUpdateUIEvent& event);
    void ForwardToMainWindow(int id);
    void EndReview();

    CResultsFrameOptions options_;
    std::function<void()> onClosed_;
    CResultsCanvas* canvas_ = nullptr;
    std::unique_ptr<CResultsView> view_;
    wxStaticText* sectionLabel_ = nullptr;
    wxStaticText* searchLabel_ = nullptr;
    wxStaticText* markLabel_ = nullptr;
    bool reviewEnded_ = false;
};

// The program's one results window.
class CResultsWindow : public IResultsWindow {
public:
    CResultsWindow(const CViewContext& context, CResultsFrameOptions options)
        : context_(context), options_(std::move(options)) {}
    ~CResultsWindow() override;

    bool IsOpen() const override { return frame_ != nullptr; }
    bool GetShownSearch(int& searchId) const override;
    void ForgetSelection() override;
    void Focus() override;
    void Open(bool showPreviouslyFound) override;
    void Close() override;
    CResultsFrame* GetFrame() const { return frame_; }

private:
    CViewContext context_;
    CResultsFrameOptions options_;
    CResultsFrame* frame_ = nullptr;
};
