#pragma once
// A view over a real document, with a window, host, clipboard and file dialogs that record what
// they were asked: for the views' logic without a display. Registers have no engines, so rows
// draw their connection error; their heights and boxes are the registers' own.

#include "DocFixture.h"
#include "RecordingSurface.h"
#include "app/FileDialogs.h"
#include "app/views/ViewServices.h"
#include "app/views/ViewWindow.h"
#include "core/SystemOptions.h"
#include "core/UserOptions.h"
#include "registers/ZrDbs.h"
#include "tests/support/QueuedFileDialogs.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

class CFakeViewWindow : public IViewWindow {
public:
    CRect GetDrawRect() const override { return rect; }
    void ScrollDrawArea(int dy) override { scrolls.push_back(dy); }
    void SetScrollBar(int maximum, int page, int position) override {
        scrollBar = {maximum, page, position};
    }
    void InvalidateDrawArea(bool) override { ++invalidations; }
    std::unique_ptr<IDrawSurface> MeasuringSurface() override {
        return std::make_unique<CRecordingSurface>();
    }
    void Beep() override { ++beeps; }
    void TakeFocus() override {}
    void SetBusy(bool busy) override { busyNow += busy ? 1 : -1; }

    CRect rect{0, 0, 600, 400};
    std::vector<int> scrolls;
    // Maximum, page and position of the scroll bar.
    std::vector<int> scrollBar;
    int invalidations = 0;
    int beeps = 0;
    int busyNow = 0;
};

class CFakeViewHost : public IViewHost {
public:
    bool RunSearch(int searchId, bool openDetails) override {
        runs.push_back(std::to_string(searchId) + (openDetails ? "+details" : ""));
        return true;
    }
    bool ShowResults(int searchId, bool, int found) override {
        shown.push_back(std::to_string(searchId) + ":" + std::to_string(found));
        return true;
    }
    bool RunSearches(const CFilter&) override {
        ++batches;
        return true;
    }
    bool IsResultsWindowOpen() const override { return resultsOpen; }
    void CloseResultsWindow() override { resultsOpen = false; }

    std::vector<std::string> runs;
    std::vector<std::string> shown;
    int batches = 0;
    bool resultsOpen = false;
};

class CFakeClipboard : public IMarkClipboard {
public:
    bool Put(std::span<const CMark> put) override {
        marks.assign(put.begin(), put.end());
        return true;
    }
    bool Read(std::vector<CMark>& read) override {
        read.insert(read.end(), marks.begin(), marks.end());
        return !marks.empty();
    }
    bool HasMarks() const override { return !marks.empty(); }
    std::vector<CMark> marks;
};

class CRecordingSounds : public IKeepSounds {
public:
    void PlayKeepSound(bool kept) override {
        played.push_back(kept ? "ZRPro_Keep" : "ZRPro_UnKeep");
    }
    std::vector<std::string> played;
};

class ViewFixture : public DocFixture {
protected:
    // Marks of the records in the section, of the search, each with the flags.
    void AddMarks(char code, std::initializer_list<std::uint32_t> records, int section,
                  int searchId, std::uint32_t flags) {
        for (const std::uint32_t record : records)
            doc.AddMark(record, code, section, searchId, 0, flags);
    }
    // The index of the document's mark of that record.
    int IndexOf(std::uint32_t record) const {
        for (int i = 0; i < doc.GetMarkCount(); ++i) {
            if (doc.GetMark(i).GetRecordNumber() == record)
                return i;
        }
        return -1;
    }

    CZrDbs registers;
    CUserOptions user;
    CSystemOptions system;
    CFakeViewWindow window;
    CFakeViewHost host;
    CFakeClipboard clipboard;
    CQueuedFileDialogs dialogs;
    CRecordingSounds sounds;
    CViewContext context{doc, registers, user, system, host, clipboard, dialogs};
};

// Word marks (even record numbers) and device marks (the device bit, 8, set) of the built-in
// registers: rows of the recording surface's default fonts are 64 and 99 pixels high.
inline constexpr int kWordRowHeight = 64;
inline constexpr int kDeviceRowHeight = 99;
