#pragma once
// The program's details windows, opened by the views on a mark of their lists, and what they
// share: the player of sound marks, the fetches of the registers' pages, the comparison of those
// pages and the keep sounds of the views' boxes. The windows still open when it goes go with it.

#include "app/details/ImagePane.h"
#include "app/details/PageFetch.h"
#include "app/details/QuickCompare.h"
#include "app/details/SoundPlayer.h"
#include "app/details/WebRegisterPages.h"
#include "app/details/ui/DetailsFrame.h"
#include "app/details/ui/WxSoundBackend.h"
#include "app/views/ViewServices.h"

#include <vector>
#include <wx/weakref.h>

class CDetailsWindows : public IDetailsWindows, public IKeepSounds {
public:
    struct Services {
        CZR2000Doc& document;
        CZrDbs& registers;
        const CSystemOptions& system;
        const CUserOptions& user;
        // Holds the hidden media players, and takes Search, Ident and Enquiry.
        std::function<wxWindow*()> mainWindow;
        std::function<wxStatusBar*(wxFrame& frame)> makeStatusBar;
        std::function<void(int contextId)> showHelp;
        std::function<void(wxWindow* parent, const CMark& mark, bool longForm)> printMark;
    };

    explicit CDetailsWindows(const Services& services);
    ~CDetailsWindows() override;
    CDetailsWindows(const CDetailsWindows&) = delete;
    CDetailsWindows& operator=(const CDetailsWindows&) = delete;

    // IDetailsWindows: a results view's window keeps and discards, and highlights the goods
    // terms of the view's search; the main and watch views' windows make marks long or short.
    IDetailsWindow* Open(CZrView& view, const CFilter& filter, int row) override;
    // A search that found one mark, shown in details from the main view: its window keeps, and
    // commits the marks it kept when it closes.
    IDetailsWindow* OpenEnquiry(CZrView& view, const CFilter& filter, int row);
    // IKeepSounds.
    void PlayKeepSound(bool kept) override { keepSounds_.PlayKeepSound(kept); }

private:
    IDetailsWindow* OpenWindow(CZrView& view, const CFilter& filter, int row, bool enquiry);

    CWxSoundBackend soundBackend_;
    CWxSoundBackend keepBackend_;
    CSoundPlayer player_;
    CKeepSounds keepSounds_;
    CWebRegisterPages pages_;
    CPageFetcher fetcher_;
    CRegisterPageComparer comparer_;
    CRegisterImages images_;
    CDetailsWindowServices windowServices_;
    std::vector<wxWeakRef<CDetailsFrame>> frames_;
};
