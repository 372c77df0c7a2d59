// Whole report template files from the disc: tokenised as a report reads them, and streamed
// into a rich text control that pulls them in chunks of changing size, as the details window
// does. Every text token is a run without a tag start, the tokens never outnumber the bytes,
// and the control receives the file's bytes exactly.
#include "FuzzSupport.h"
#include "report/presenter/RtfStreamer.h"
#include "report/template/ReportTokeniser.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

// Pulls the text in chunks of 1 to 61 bytes, as a control whose buffer varies.
class CChunkedControl : public CRtfControl {
public:
    void SetTextLimit(std::size_t length) override { limit = length; }
    void StreamIn(CRtfStreamer& streamer) override {
        received.clear();
        char buffer[64];
        for (std::size_t chunk = 1;; chunk = chunk * 7 % 61 + 1) {
            const std::size_t got = streamer.ReadCallback(buffer, chunk);
            if (got == 0)
                return;
            if (got > chunk)
                __builtin_trap();
            received.append(buffer, got);
        }
    }

    std::size_t limit = 0;
    std::string received;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string path = fuzz::WriteFile("template.rtf", text);

    CReportTokeniser tokeniser;
    if (!tokeniser.LoadFile(path))
        __builtin_trap();
    CReportToken token;
    std::size_t tokens = 0;
    while (tokeniser.NextToken(token)) {
        if (++tokens > size)
            __builtin_trap();
        if (!token.isTag && (token.name.empty() || token.name.find("[[") != std::string::npos))
            __builtin_trap();
    }

    CChunkedControl control;
    CRtfStreamer streamer(control);
    streamer.StreamIn(fuzz::ReadFile(path));
    if (control.limit != size || control.received != text)
        __builtin_trap();
    return 0;
}
