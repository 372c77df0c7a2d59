#pragma once
// The text pane of a details window without its window: the header that the mark's register
// draws (with the keep box and, for a sound mark, its play button), the record's details below
// it as HTML with the search's goods terms highlighted, and what clicks and document changes do.

#include "app/details/SoundPlayer.h"
#include "core/DrawSurface.h"
#include "core/Mark.h"

#include <string>

class CDetailsController;
class CDisplayInfo;
class CZrDb;

// What the text pane's window does for its model.
class ITextPaneWindow {
public:
    virtual ~ITextPaneWindow() = default;
    virtual void SetText(const std::string& html) = 0;
    virtual void RedrawHeader() = 0;
    // The display fonts changed: they are made again, the pane laid out and drawn afresh.
    virtual void RemakeFonts() = 0;
};

class CDetailsText : public ISoundOwner {
public:
    // Every detail a register presents.
    static constexpr std::uint32_t kPresentationFlags = 0x3FFFFFF7;
    // Update hints whose marks may have moved in the list, and that the display fonts changed.
    static constexpr int kHintListChanged = 0x300 | 1024;
    static constexpr int kHintFonts = 0x800;
    // The mark's flag of having been shown in a details window.
    static constexpr std::uint32_t kViewedInDetails = 0x80;

    CDetailsText(CDetailsController& frame, CSoundPlayer& player, ITextPaneWindow& window)
        : frame_(frame), player_(player), window_(window) {}
    // Its own playback stops.
    ~CDetailsText() override;
    CDetailsText(const CDetailsText&) = delete;
    CDetailsText& operator=(const CDetailsText&) = delete;

    // Stops the sound and shows the mark's text.
    void ShowMark(const CMark& mark, int mode);
    const CMark& GetMark() const { return mark_; }
    // The record's details into the window.
    void FillText();

    // The register's header for the mark in the band, then the mark is stored as viewed. A mark
    // whose letter names no register shows the letter and why there is no record.
    void DrawHeader(IDrawSurface& surface, const CRect& band, const CDisplayInfo& info);
    // A click on the keep box keeps or discards the mark (makes it long or short from the main
    // and watch views); one on the sound button plays or stops its sound. True when it hit.
    bool Click(CPoint point, const CRect& band, const CDisplayInfo& info);
    void OnUpdate(int hint);

    bool IsPlaying() const { return playing_; }
    void OnSoundEnded() override;

private:
    CZrDb* Register() const;
    void PlaySound(CZrDb& db);
    void StopSound();

    CDetailsController& frame_;
    CSoundPlayer& player_;
    ITextPaneWindow& window_;
    CMark mark_;
    int mode_ = 1;
    bool playing_ = false;
};
