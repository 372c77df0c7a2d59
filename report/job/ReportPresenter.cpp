#include "report/job/ReportPresenter.h"

#include "app/document/Progress.h"
#include "core/CharRef.h"

CReportPresenter::CReportPresenter(IReportOutput& output, IProgress& progress, int totalMarks,
                                   const EscapeTable& escapes, bool rtf)
    : output_(output), progress_(progress), totalMarks_(totalMarks), rtf_(rtf) {
    for (const auto& [key, value] : escapes) {
        // An empty key stands for the character 0.
        const unsigned char c = key.empty() ? 0 : static_cast<unsigned char>(key.front());
        escaped_[c] = true;
        replacements_[c] = value;
    }
    progress_.SetRange(totalMarks_, 0, 100);
    progress_.SetProgress(kInitialising, 0);
}

void CReportPresenter::WriteEscaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (escaped_[c]) {
            out += replacements_[c];
            ++i;
        } else if (const std::size_t length =
                       rtf_ && c == '&' ? AppendCharRef(text.substr(i), out) : 0) {
            i += length;
        } else {
            out += text[i++];
        }
    }
    Write(out);
}

std::size_t CReportPresenter::AppendCharRef(std::string_view text, std::string& out) {
    std::uint16_t code = 0;
    const std::size_t length = DecodeCharRef(text, code);
    if (length == 0)
        return 0;
    // The reference is the fallback an RTF reader skips: \ucN says how long it is.
    out +=
        "{\\uc" + std::to_string(length) + "\\u" + std::to_string(static_cast<std::int16_t>(code));
    out += text.substr(0, length);
    out += '}';
    return length;
}

void CReportPresenter::NextMark() {
    ++reportedMarks_;
    progress_.SetProgress("Reporting mark " + std::to_string(reportedMarks_) + " of " +
                              std::to_string(totalMarks_),
                          reportedMarks_);
}

bool CReportPresenter::CanContinue() const {
    return !progress_.IsCancelled();
}
