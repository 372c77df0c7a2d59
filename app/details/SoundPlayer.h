#pragma once
// Sound marks: a recording held in the mark's record (MP3) is written to a file of the user's
// private folder and played by the media player; one recording plays at a time. The window that
// started a playback is told when it ends, and only it may stop it through OnNotify. The file
// goes when the playback stops and when the player goes.
//
// Also the keep sounds that a click on a mark's box plays, from files of the data folder.

#include <cstdint>
#include <functional>
#include <span>
#include <string>

// The media player: plays one file at a time.
class ISoundBackend {
public:
    virtual ~ISoundBackend() = default;
    // Opens the file and starts playing it; `ended` is called once it has played to its end or
    // failed on the way. False, with nothing left open, when it cannot be opened or started.
    virtual bool Play(const std::string& path, std::function<void()> ended) = 0;
    // Stops and closes what is open; harmless when nothing is.
    virtual void Stop() = 0;
};

// A window that plays sound marks.
class ISoundOwner {
public:
    virtual ~ISoundOwner() = default;
    // The owner's playback played to its end.
    virtual void OnSoundEnded() = 0;
};

class CSoundPlayer {
public:
    static constexpr const char* kFileName = "ZRPro.mp3";

    // Recordings go to the folder; an empty folder plays nothing.
    CSoundPlayer(ISoundBackend& backend, std::string folder);
    ~CSoundPlayer();
    CSoundPlayer(const CSoundPlayer&) = delete;
    CSoundPlayer& operator=(const CSoundPlayer&) = delete;

    // Stops what plays, then plays the recording for the owner; false when there is nothing to
    // play, no folder, the file cannot be written or the player cannot play it.
    bool Play(std::span<const std::uint8_t> recording, ISoundOwner& owner);
    // Stops the playback when the owner started it; another owner's playback goes on.
    void OnNotify(const ISoundOwner& owner);
    void Stop();

    bool IsPlaying() const { return owner_ != nullptr; }
    // Where recordings are written; empty without a folder.
    const std::string& GetFilePath() const { return path_; }

private:
    void OnEnded();

    ISoundBackend& backend_;
    std::string path_;
    ISoundOwner* owner_ = nullptr;
};

// The sounds of keeping and discarding a mark: "ZRPro_Keep.wav" and "ZRPro_UnKeep.wav" of the
// data folder, played when they are there, else nothing.
class CKeepSounds {
public:
    CKeepSounds(ISoundBackend& backend, std::string dataDir)
        : backend_(backend), dataDir_(std::move(dataDir)) {}

    void PlayKeepSound(bool kept);

private:
    ISoundBackend& backend_;
    std::string dataDir_;
};
