#pragma once
// A register's remote string finder as the client's cursors use it, and where such finders come
// from. The omniORB adapter (CorbaStringFinder.h) speaks to the engines; tests give their own.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One entry of a finder's reply, as it travels: an entry with empty text and position
// 0xFFFFFFFF marks the start or the end of the list.
struct CFinderReplyEntry {
    std::uint32_t position = 0;
    std::uint32_t count = 0;
    std::string text;

    bool IsMarker() const { return text.empty() && position == 0xFFFFFFFFu; }
};

class IRemoteStringFinder {
public:
    virtual ~IRemoteStringFinder() = default;
    // One remote call for the list indexes from .. to, both included (negative indexes lie
    // before the located entry); false, the entries untouched, when the call failed.
    virtual bool GetStrings(std::int32_t from, std::int32_t to,
                            std::vector<CFinderReplyEntry>& entries) = 0;
    // Ends the remote finder; a failure is not reported.
    virtual void Dispose() = 0;
};

// Makes the remote finders of registers.
class IRemoteFinderFactory {
public:
    virtual ~IRemoteFinderFactory() = default;
    // The register's finder for the text in the finder mode; null when the register has none:
    // no register or engine, the engine failed, or it found nothing to locate.
    virtual std::unique_ptr<IRemoteStringFinder> Create(char code, const std::string& text,
                                                        int mode) = 0;
};
