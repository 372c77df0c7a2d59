#pragma once
// A details window: one mark of the examination with its text on the left and its image, its
// register's own page and the comparison with that page on the right; stepping through the
// marks of the list it was opened on, keeping and discarding, Print Long and Print Short and a
// sound mark's recording (app/details/DetailsController.h).

#include "app/details/DetailsController.h"
#include "app/document/DocumentServices.h"

#include <functional>
#include <memory>
#include <wx/frame.h>

class CDetailsTabbedView;
class CDetailsTextView;
class CSoundPlayer;
class CSystemOptions;
class CUserOptions;
class IMarkImages;
class IPageComparer;
class IPageRequests;
class wxSplitterWindow;
class wxStatusBar;

// What a details window takes from the program.
struct CDetailsWindowServices {
    CZR2000Doc& document;
    CZrDbs& registers;
    const CSystemOptions& system;
    const CUserOptions& user;
    CSoundPlayer& player;
    IPageRequests& pages;
    IPageComparer& comparer;
    IMarkImages& images;
    std::function<wxStatusBar*(wxFrame& frame)> makeStatusBar;
    std::function<void(int contextId)> showHelp;
    // Takes Search, Ident and Enquiry (F5, F7, F8), quick save (Ctrl+F12) and the Help menu's
    // commands; none leaves them disabled.
    std::function<wxWindow*()> mainWindow;
    // Prints the mark in long or short form; none leaves Print Long and Print Short disabled.
    std::function<void(wxWindow* parent, const CMark& mark, bool longForm)> printMark;
};

class CDetailsFrame : public wxFrame, private IDetailsPanes, private IDocumentView {
public:
    static constexpr int kHelpId = 130;
    // Clear of the main window's commands, which the window passes on to it.
    enum ECommand : int {
        kCmdKeep = wxID_HIGHEST + 100,
        kCmdDiscard,
        kCmdClose,
        kCmdNext,
        kCmdPrevious,
        kCmdPrintLong,
        kCmdPrintShort,
        kCmdViewAllDetails,
    };

    CDetailsFrame(wxWindow* parent, const CDetailsWindowServices& services);
    ~CDetailsFrame() override;

    CDetailsController& GetController() const { return *controller_; }
    // Keeps the view the window was opened from for as long as the window lives; the window
    // takes the view's mode.
    template <class View>
    View* AdoptOpeningView(std::unique_ptr<View> view) {
        View* adopted = view.get();
        controller_->SetOpeningView(adopted);
        openingView_ = std::move(view);
        return adopted;
    }
    CDetailsTextView& GetTextView() const { return *text_; }
    CDetailsTabbedView& GetTabbedView() const { return *tabs_; }

private:
    // IDetailsPanes.
    void ShowMark(const CMark& mark, int mode) override;
    // IDocumentView.
    void OnUpdate(IDocumentView* sender, int hint) override;

    void BuildMenus();
    void BuildToolBar();
    void ViewAllDetails();
    // Search, Ident, Enquiry, quick save, help, diagnostics and about belong to the main window;
    // dropped while a dialog holds it. The Help menu's dialogs open over this window.
    static bool IsForwarded(int id);
    void ForwardToMainWindow(int id);
    void OnCommand(wxCommandEvent& event);
    void OnUpdateCommand(wxUpdateUIEvent& event);
    void OnClose(wxCloseEvent& event);

    CDetailsWindowServices services_;
    // Shared only so that View All Details can hold it weakly while events run.
    std::shared_ptr<CDetailsController> controller_;
    std::unique_ptr<IOpeningView> openingView_;
    wxSplitterWindow* splitter_;
    CDetailsTextView* text_;
    CDetailsTabbedView* tabs_;
    bool closed_ = false;
    // The menus open now; Escape closes them before the window.
    int openMenus_ = 0;
};
