#pragma once
// The new-version notice a remote repository may send at login, and what the new-version dialog
// shows of it and does with it.

#include <functional>
#include <string>

// The notice: TAB-separated fields numbered from 0. Field 0 is the number k of the first feature
// line, 1 the version, 2 the download address, 3 a warning, k to k+5 the feature lines.
class CVersionInfo {
public:
    explicit CVersionInfo(std::string text) : text_(std::move(text)) {}
    CVersionInfo(const CVersionInfo&) = default;
    CVersionInfo& operator=(const CVersionInfo&) = default;
    virtual ~CVersionInfo() = default;

    // The text after the n-th TAB up to the next one; "" past the end.
    std::string GetField(int n) const;
    std::string GetVersion() const { return GetField(1); }
    std::string GetAddress() const { return GetField(2); }
    std::string GetWarning() const { return GetField(3); }
    // Feature line i: field i + k, with k 0 when field 0 is not a number.
    std::string GetLine(int i) const;

private:
    std::string text_;
};

// The new-version dialog without its window: its texts, and the download it starts.
class CVersionNotice {
public:
    static constexpr int kFeatureLines = 6;
    // Opens an address for the user; platform::OpenUrl unless a test puts another in.
    using Opener = std::function<int(const std::string& address)>;

    explicit CVersionNotice(const CVersionInfo& info, Opener opener = {});

    // "A new version %s of RO Vedaridarevu is available."
    std::string GetHeadline() const;
    std::string GetFeatureLine(int i) const { return info_.GetLine(i); }
    std::string GetWarning() const { return info_.GetWarning(); }

    // The download button: opens the address when it is an http or https address and tells the
    // user when it is not or cannot be opened. The program ends afterwards either way.
    bool Download() const;

private:
    CVersionInfo info_;
    Opener opener_;
};

// True for an http:// or https:// address (scheme in any case) with something after the scheme
// and no blank or control character.
bool IsWebAddress(const std::string& address);
