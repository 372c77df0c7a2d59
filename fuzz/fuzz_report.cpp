// Report templates parsed and evaluated over a small fixed examination whose registers are held
// in memory. A template that starts as an RTF document is written in RTF mode, any other as
// text. The run is cancelled after 100,000 writes or polls of the progress, so templates whose
// nested blocks would write without end still finish.
#include "app/document/Progress.h"
#include "app/document/ZrDocData.h"
#include "core/Ping.h"
#include "core/TagTokeniser.h"
#include "core/UserOptions.h"
#include "report/job/ReportJob.h"
#include "tests/support/MemoryReportRegisters.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

constexpr int kMostSteps = 100000;

class CFixedExamination : public CZrDocData {
public:
    CFixedExamination() {
        SetClient("Client {&amp;} \\ Co");
        SetSectionCount(4);
        for (int section = 0; section < 3; ++section) {
            CSearch search(section);
            search.GetCriteria().ResetWithDbIds("uw");
            search.GetCriteria().AddWord("ACME-");
            search.SetFound(3);
            searches_.Add(search);
        }
        AddMark(1, 'u', 0, 1, 256, CMark::kPermanentKeep);
        AddMark(2 | (1u << 22), 'u', 0, 1, 2048000256, CMark::kKept | CMark::kLong);
        AddMark(3, 'w', 1, 2, 7, CMark::kPermanentKeep);
        AddMark(4, 'u', 2, 0, 9, 0);                     // a mark of no search
        AddMark(5, 'x', 2, 3, 0, CMark::kPermanentKeep); // of no register
    }
};

std::vector<std::uint8_t> SmallPng() {
    BitmapInfoHeader header;
    header.biWidth = 2;
    header.biHeight = 2;
    header.biBitCount = 8;
    const RgbQuad colours[] = {{0, 0, 0, 0}, {255, 255, 255, 0}};
    const std::uint8_t pixels[] = {0, 1, 0, 0, 1, 0, 0, 0};
    CPing ping;
    ping.EncodeDib(header, colours, pixels);
    std::size_t length = 0;
    const std::uint8_t* png = ping.GetPngData(length);
    return {png, png + length};
}

std::string TxHistory() {
    std::string text;
    for (const char* office : {"??", "??", "", "DE"}) {
        AppendTagged(text, "5 Jan 2004", '1');
        AppendTagged(text, office, '2');
        AppendTagged(text, "Filed {x}", '2');
    }
    return text;
}

CMemoryReportRegisters& Registers() {
    static CMemoryReportRegisters registers = [] {
        CMemoryReportRegisters made;
        made.connected = "uw";
        const CMemoryReportDb::Fields fields = {
            {"APPNUM", "1,234-5/6"},
            {"WORDMARK", "ACME"},
            {"CLASSES", "9,42"},
            {"APPDATE", "5 Jan 2004"},
            {"GOODS", FormatPairList({{"9", "[English] Software"},
                                      {"9", "[French] Logiciels"},
                                      {"12", "[German] Autos"},
                                      {"35", "[See Class 9]"}})},
            {"PROPS", FormatPairList({{"ACME Ltd", "1 High St,\\Leeds\\LS1 1AA\\UK"}})},
            {"HISTORY", "5 Jan 2004: Filed\\6 Jul 2004: Registered &eacute;"},
            {"TXHISTORY1", TxHistory()}};
        for (const char code : {'u', 'w'}) {
            CMemoryReportDb& db = made.Add(code, code == 'u' ? "UK" : "W/../\\T", "Register");
            for (const std::uint32_t record : {1u, 2u | (1u << 22), 3u, 4u})
                db.SetRecord(record, fields);
            db.images[1] = {SmallPng(), SmallPng(), {'x'}};
            db.images[3] = {SmallPng()};
            db.icons[1] = db.icons[3] = SmallPng();
        }
        return made;
    }();
    return registers;
}

// Counts what the report writes instead of keeping it, and cancels once the run went on long.
class CBoundedRun : public IReportOutput, public IProgress {
public:
    void Write(std::string_view) override { ++steps_; }
    void WriteSideFile(const std::string& name, std::span<const std::uint8_t>) override {
        // Whatever the register and the number, an image file stays beside the report.
        if (name.find_first_of("/\\") != std::string::npos || name.find('\0') != std::string::npos)
            __builtin_trap();
    }
    void SetRange(int, int, int) override {}
    void SetProgress(const std::string&, int) override {}
    void Finish() override {}
    bool IsCancelled() const override { return ++steps_ > kMostSteps; }

private:
    mutable int steps_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const CFixedExamination examination;
    static const CUserOptions options;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CReportJob job(examination, Registers(), options, CZrDate((2004u << 16) | (3u << 8) | 7u));
    job.Parse(text, text.rfind("{\\rtf", 0) == 0);
    CBoundedRun run;
    job.Write(run, run);
    return 0;
}
