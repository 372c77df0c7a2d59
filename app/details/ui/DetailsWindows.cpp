#include "app/details/ui/DetailsWindows.h"

#include "app/details/ui/DetailsTabbedView.h"
#include "app/views/ZrView.h"
#include "core/SystemOptions.h"
#include "platform/PrivateFiles.h"

namespace {

CWebServers ServersOf(const CSystemOptions& system) {
    CWebServers servers;
    servers.Load(system);
    return servers;
}

// The view that opened a window, as the window sees it; it is told when the window closes.
class COpeningView : public IOpeningView, public IDetailsWindow {
public:
    COpeningView(CZrView& view, CDetailsFrame& frame) : view_(view), frame_(frame) {}

    // IOpeningView: the results view shows its Keep boxes.
    int GetDetailsMode() const override { return IsResultsView() ? 1 : 0; }
    int GetHighlightSearchId() const override {
        const CFilter& filter = view_.GetFilter();
        return IsResultsView() && filter.HasSearchId() ? filter.GetSearchId() : 0;
    }
    void OnDetailsClosed() override { view_.RemoveDetails(this); }

    // IDetailsWindow.
    CMark GetMark() const override { return frame_.GetController().GetShownMark(); }
    void Close() override { frame_.Close(true); }

private:
    bool IsResultsView() const { return view_.GetBoxType() == kBoxKeep; }

    CZrView& view_;
    CDetailsFrame& frame_;
};

} // namespace

CDetailsWindows::CDetailsWindows(const Services& services)
    : soundBackend_(services.mainWindow), keepBackend_(services.mainWindow),
      player_(soundBackend_, platform::PrivateTempDir()),
      keepSounds_(keepBackend_, services.system.GetDataDir()), pages_(ServersOf(services.system)),
      fetcher_(pages_, PostToUiThread),
      images_(services.registers), windowServices_{services.document,
                                                   services.registers,
                                                   services.system,
                                                   services.user,
                                                   player_,
                                                   fetcher_,
                                                   comparer_,
                                                   images_,
                                                   services.makeStatusBar,
                                                   services.showHelp,
                                                   services.mainWindow,
                                                   services.printMark} {}

CDetailsWindows::~CDetailsWindows() {
    // The windows use the player and the fetches: none may wait for idle time to go.
    for (const wxWeakRef<CDetailsFrame>& frame : frames_)
        delete frame.get();
}

IDetailsWindow* CDetailsWindows::Open(CZrView& view, const CFilter& filter, int row) {
    return OpenWindow(view, filter, row, false);
}

IDetailsWindow* CDetailsWindows::OpenEnquiry(CZrView& view, const CFilter& filter, int row) {
    return OpenWindow(view, filter, row, true);
}

IDetailsWindow* CDetailsWindows::OpenWindow(CZrView& view, const CFilter& filter, int row,
                                            bool enquiry) {
    std::erase_if(frames_, [](const wxWeakRef<CDetailsFrame>& frame) { return !frame; });
    auto* frame = new CDetailsFrame(nullptr, windowServices_);
    frames_.emplace_back(frame);
    IDetailsWindow* window = frame->AdoptOpeningView(std::make_unique<COpeningView>(view, *frame));
    CDetailsController& controller = frame->GetController();
    if (enquiry) {
        controller.SetMode(1);
        controller.SetCommitOnClose();
    }
    controller.ShowFilterMark(filter, row);
    frame->Show();
    return window;
}
