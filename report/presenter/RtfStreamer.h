#pragma once
// Loads an RTF document into a rich text control that reads its input in chunks. No window of the
// program is such a control: the details window's text view is given HTML.

#include <cstddef>
#include <string>

class CRtfStreamer;

// The control side: a window's rich text view implements it.
class CRtfControl {
public:
    virtual ~CRtfControl() = default;
    // The control holds at most this many characters.
    virtual void SetTextLimit(std::size_t length) = 0;
    // Replaces the contents with RTF pulled from the streamer until it answers 0.
    virtual void StreamIn(CRtfStreamer& streamer) = 0;
};

class CRtfStreamer {
public:
    explicit CRtfStreamer(CRtfControl& control) : control_(control) {}
    CRtfStreamer(const CRtfStreamer&) = delete;
    CRtfStreamer& operator=(const CRtfStreamer&) = delete;
    virtual ~CRtfStreamer() = default;

    // Loads the RTF text into the control, replacing what it held.
    void StreamIn(std::string text);
    // Copies the next bytes, at most `requested`, into the buffer and answers how many; 0 once
    // everything has been handed over.
    std::size_t ReadCallback(char* buffer, std::size_t requested);

private:
    CRtfControl& control_;
    std::string text_;
    std::size_t position_ = 0;
};
