#include "report/job/ReportJob.h"

#include "app/document/DocumentServices.h"
#include "app/document/Progress.h"
#include "app/document/TextException.h"
#include "core/FilePath.h"
#include "platform/AtomicFile.h"
#include "report/job/ReportBlocks.h"
#include "report/job/ReportImage.h"
#include "report/job/ReportMarkBlocks.h"
#include "report/job/ReportVector.h"
#include "report/template/ReportTokeniser.h"

#include <cerrno>
#include <cstring>

namespace {

// A block opened by one tag and closed by another; its attributes set it up.
struct CBlockKind {
    std::string_view startName;
    std::string endName;
    std::unique_ptr<CReportContainer> (*make)(const ReportAttributes& attributes);
};

template <class Block>
std::unique_ptr<CReportContainer> MakeBlock(const ReportAttributes& attributes) {
    return std::make_unique<Block>(attributes);
}

std::unique_ptr<CReportContainer> MakeMarkBlock(const ReportAttributes&) {
    return std::make_unique<CReportMark>();
}

const CBlockKind* FindBlockKind(std::string_view name) {
    static const CBlockKind kKinds[] = {
        {"STARTSECTION", "ENDSECTION", MakeBlock<CReportSection>},
        {"STARTWATCH", "ENDWATCH", MakeBlock<CReportWatch>},
        {"STARTMARK", "ENDMARK", MakeMarkBlock},
        {"STARTCRITERIA", "ENDCRITERIA", MakeBlock<CReportCriteria>},
        {"STARTVECTOR", "ENDVECTOR", MakeBlock<CReportVector>},
        {"STARTIMAGE", "ENDIMAGE", MakeBlock<CReportImage>},
        {"STARTDB", "ENDDB", MakeBlock<CReportDb>},
    };
    for (const CBlockKind& kind : kKinds) {
        if (EqualsNoCase(kind.startName, name))
            return &kind;
    }
    return nullptr;
}

// The escapes of RTF output: the registers' line separator and the braces.
const EscapeTable& RtfEscapes() {
    static const EscapeTable kEscapes = {{"\\", "\\line "}, {"{", "\\{"}, {"}", "\\}"}};
    return kEscapes;
}

} // namespace

CReportJob::CReportJob(const CZrDocData& document, IReportRegisters& registers,
                       const CUserOptions& options, const CZrDate& today)
    : document_(document), registers_(registers), options_(options), today_(today),
      root_(std::make_unique<CReportRoot>()) {}

CReportJob::~CReportJob() = default;

bool CReportJob::Run(const std::string& templatePath, const std::string& outputPath,
                     IDocumentHost& host) {
    std::string text;
    if (!platform::ReadWholeFile(templatePath, text))
        throw CTextException("W305 Cannot open: " + templatePath +
                             " due to: " + std::strerror(errno));
    Parse(text, EqualsNoCase(FileExtOfPath(templatePath), "RTF"));
    CReportFile output(outputPath);
    bool written = false;
    {
        const std::unique_ptr<IProgress> progress = host.OpenProgress("Report Progress");
        written = Write(output, *progress);
    }
    if (written)
        output.Commit();
    return written;
}

void CReportJob::Parse(std::string_view templateText, bool rtf) {
    rtf_ = rtf;
    escapes_ = rtf ? RtfEscapes() : EscapeTable();
    root_ = std::make_unique<CReportRoot>();
    CReportTokeniser tokeniser(templateText);
    ParseItems(tokeniser, *root_, nullptr, 0);
}

void CReportJob::ParseItems(CReportTokeniser& tokeniser, CReportContainer& container,
                            const std::string* endName, int depth) {
    static const std::string kConditionEnd;
    for (CReportToken token; tokeniser.NextToken(token);) {
        if (!token.isTag) {
            container.AddChild(std::make_unique<CReportText>(std::move(token.name)));
            continue;
        }
        if (endName && EqualsNoCase(token.name, *endName))
            return;
        std::unique_ptr<CReportContainer> nested;
        const std::string* nestedEnd = &kConditionEnd;
        if (const CBlockKind* kind = FindBlockKind(token.name)) {
            nested = kind->make(token.attributes);
            nestedEnd = &kind->endName;
        } else if (EqualsNoCase(token.name, "ESCAPES")) {
            escapes_ = std::move(token.attributes);
            continue;
        } else if (token.isTest) {
            nested = std::make_unique<CReportCondition>(std::move(token.name),
                                                        std::move(token.value), token.negated);
        } else {
            container.AddChild(std::make_unique<CReportField>(std::move(token.name)));
            continue;
        }
        // Past the deepest level a block or condition makes no node; what it held joins the
        // level it stands in.
        if (depth >= kMaxDepth)
            continue;
        CReportContainer& block = *nested;
        container.AddChild(std::move(nested));
        ParseItems(tokeniser, block, nestedEnd, depth + 1);
    }
}

bool CReportJob::Write(IReportOutput& output, IProgress& progress) {
    countingProgress_ = &progress;
    const int total = root_->CountMarks(*this);
    countingProgress_ = nullptr;
    if (progress.IsCancelled())
        return false;
    CReportPresenter presenter(output, progress, total, escapes_, rtf_);
    return root_->Evaluate(presenter, *this);
}

bool CReportJob::ContinueCounting() {
    if (!countingProgress_)
        return true;
    countingProgress_->SetProgress(kInitialising, 0);
    return !countingProgress_->IsCancelled();
}

std::string CReportJob::Dump() const {
    std::string lines;
    root_->Dump(0, lines);
    return lines;
}
