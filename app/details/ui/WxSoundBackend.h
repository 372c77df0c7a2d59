#pragma once
// The media player of sound marks and keep sounds: a hidden media control (GStreamer) that loads
// a file, plays it once loaded and reports its end, also when the file cannot be played.

#include "app/details/SoundPlayer.h"

#include <functional>
#include <wx/weakref.h>

class wxMediaCtrl;
class wxMediaEvent;
class wxWindow;

class CWxSoundBackend : public ISoundBackend {
public:
    // The control is made on the first Play, as a hidden child of the window the function gives
    // then; once that window has gone the next Play makes another, and without one nothing plays.
    explicit CWxSoundBackend(std::function<wxWindow*()> parent) : parent_(std::move(parent)) {}
    ~CWxSoundBackend() override;
    CWxSoundBackend(const CWxSoundBackend&) = delete;
    CWxSoundBackend& operator=(const CWxSoundBackend&) = delete;

    bool Play(const std::string& path, std::function<void()> ended) override;
    void Stop() override;

private:
    bool MakeControl();
    void OnLoaded(wxMediaEvent& event);
    void OnStopped(wxMediaEvent& event);
    // The playback has ended, played through or failed.
    void End();

    std::function<wxWindow*()> parent_;
    wxWeakRef<wxMediaCtrl> control_;
    std::function<void()> ended_;
    bool loading_ = false;
};
