// Sound marks through a media player that records what it is asked: one recording at a time, in
// a private file that goes when the playback ends; and the keep sounds of the data folder.

#include "app/details/SoundPlayer.h"

#include "tests/core/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

class CFakeBackend : public ISoundBackend {
public:
    bool Play(const std::string& path, std::function<void()> ended) override {
        calls.push_back("play " + fs::path(path).filename().string());
        contents = ReadFile(path);
        if (refuse)
            return false;
        this->ended = std::move(ended);
        return true;
    }
    void Stop() override {
        calls.push_back("stop");
        ended = {};
    }
    static std::string ReadFile(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

    std::vector<std::string> calls;
    std::string contents;
    std::function<void()> ended;
    bool refuse = false;
};

struct CFakeOwner : ISoundOwner {
    void OnSoundEnded() override { ++endings; }
    int endings = 0;
};

const std::vector<std::uint8_t> kClip{'I', 'D', '3', 3, 0};
const std::vector<std::uint8_t> kOtherClip{0xFF, 0xFB, 0x90};

class SoundPlayer : public ::testing::Test {
protected:
    std::string FilePath() const { return folder_ / CSoundPlayer::kFileName; }

    CTempFolder folder_;
    CFakeBackend backend_;
    CFakeOwner owner_;
    CFakeOwner other_;
};

TEST_F(SoundPlayer, OneRecordingAtATimeAndOnlyItsOwnerStopsIt) {
    CSoundPlayer player(backend_, folder_.Path().string());
    ASSERT_TRUE(player.Play(kClip, owner_));
    EXPECT_EQ(backend_.contents, "ID3\x03" + std::string(1, '\0'));
    EXPECT_TRUE(player.IsPlaying());
    // Another window's notification leaves the playback alone.
    player.OnNotify(other_);
    EXPECT_TRUE(player.IsPlaying());
    EXPECT_TRUE(fs::exists(FilePath()));

    ASSERT_TRUE(player.Play(kOtherClip, other_));
    EXPECT_EQ(backend_.calls,
              (std::vector<std::string>{"stop", "play ZRPro.mp3", "stop", "play ZRPro.mp3"}));
    EXPECT_EQ(backend_.contents, "\xFF\xFB\x90");
    player.OnNotify(owner_);
    EXPECT_TRUE(player.IsPlaying());
    player.OnNotify(other_);
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_FALSE(fs::exists(FilePath()));
    EXPECT_EQ(owner_.endings + other_.endings, 0);
}

TEST_F(SoundPlayer, NothingToPlayOrARefusedFileLeavesNothingBehind) {
    CSoundPlayer player(backend_, folder_.Path().string());
    EXPECT_FALSE(player.Play({}, owner_));
    EXPECT_EQ(backend_.calls, (std::vector<std::string>{"stop"}));

    backend_.refuse = true;
    EXPECT_FALSE(player.Play(kClip, owner_));
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_FALSE(fs::exists(FilePath()));
    EXPECT_EQ(backend_.calls.back(), "stop");

    CSoundPlayer withoutFolder(backend_, "");
    EXPECT_EQ(withoutFolder.GetFilePath(), "");
    backend_.refuse = false;
    EXPECT_FALSE(withoutFolder.Play(kClip, owner_));
}

TEST_F(SoundPlayer, GoingAwayEndsThePlaybackAndItsFile) {
    {
        CSoundPlayer player(backend_, folder_.Path().string());
        ASSERT_TRUE(player.Play(kClip, owner_));
    }
    EXPECT_EQ(backend_.calls.back(), "stop");
    EXPECT_FALSE(fs::exists(FilePath()));
    EXPECT_EQ(owner_.endings, 0);
}

TEST_F(SoundPlayer, KeepSoundsPlayTheDataFolderFilesWhenThereAreAny) {
    CKeepSounds sounds(backend_, folder_.Path().string());
    sounds.PlayKeepSound(true);
    EXPECT_TRUE(backend_.calls.empty());
    folder_.Write("ZRPro_Keep.wav", "RIFF");
    folder_.Write("ZRPro_UnKeep.wav", "RIFF");
    sounds.PlayKeepSound(true);
    sounds.PlayKeepSound(false);
    EXPECT_EQ(backend_.calls, (std::vector<std::string>{"stop", "play ZRPro_Keep.wav", "stop",
                                                        "play ZRPro_UnKeep.wav"}));
}

} // namespace
