#pragma once
// The watch view's window, the upper pane of the main window's watch layout: the watched marks
// as rows (search/WatchView.h), and the context menu of a mark, in which Details, Web Page and
// Watch Mark act on this view and the commands of the main view's marks are disabled.

#include "app/views/ui/MarkCanvas.h"
#include "search/WatchView.h"

#include <memory>

class CWatchViewWindow : public CMarkCanvas {
public:
    // Mark > Watch Mark.
    static constexpr int kWatchMarkId = wxID_HIGHEST + 327;

    CWatchViewWindow(wxWindow* parent, const CViewContext& context);
    ~CWatchViewWindow() override;

    CWatchView& GetWatchView() const { return *view_; }

protected:
    void OnContextMenu(const wxPoint& point) override;

private:
    void OnCommand(wxCommandEvent& event);
    void OnUpdateCommand(wxUpdateUIEvent& event);

    std::unique_ptr<CWatchView> view_;
};
