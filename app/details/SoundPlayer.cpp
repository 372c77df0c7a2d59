#include "app/details/SoundPlayer.h"

#include "core/FilePath.h"
#include "platform/PrivateFiles.h"

#include <filesystem>

CSoundPlayer::CSoundPlayer(ISoundBackend& backend, std::string folder)
    : backend_(backend), path_(folder.empty() ? "" : AppendPath(folder, kFileName)) {}

CSoundPlayer::~CSoundPlayer() {
    Stop();
}

bool CSoundPlayer::Play(std::span<const std::uint8_t> recording, ISoundOwner& owner) {
    Stop();
    if (recording.empty() || path_.empty() || !platform::WritePrivateFile(path_, recording))
        return false;
    if (!backend_.Play(path_, [this] { OnEnded(); })) {
        // A recording the player refused is released at once.
        Stop();
        return false;
    }
    owner_ = &owner;
    return true;
}

void CSoundPlayer::OnNotify(const ISoundOwner& owner) {
    if (&owner == owner_)
        Stop();
}

void CSoundPlayer::Stop() {
    backend_.Stop();
    owner_ = nullptr;
    if (!path_.empty())
        platform::RemovePrivateFile(path_);
}

void CSoundPlayer::OnEnded() {
    if (ISoundOwner* owner = owner_) {
        Stop();
        owner->OnSoundEnded();
    }
}

void CKeepSounds::PlayKeepSound(bool kept) {
    const std::string path = AppendPath(dataDir_, kept ? "ZRPro_Keep.wav" : "ZRPro_UnKeep.wav");
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return;
    backend_.Stop();
    backend_.Play(path, {});
}
