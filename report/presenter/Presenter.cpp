#include "report/presenter/Presenter.h"

#include "core/CodePages.h"

#include <array>
#include <cstdarg>
#include <cstdio>
#include <utility>

bool IsGreekText(std::string_view text, int mode) {
    if (mode == kTextGreek)
        return true;
    if (mode == kTextLatin)
        return false;
    return ScoreFavoursSecondTable(text);
}

void CPresenter::AddField(int /*kind*/, std::string_view label, std::string_view text,
                          unsigned style, int mode, bool forceBreak, bool pendingAfter) {
    AddPlainField(label, text, style, mode, forceBreak, pendingAfter);
}

void CPresenter::RequestParagraph() {
    paragraphPending_ = true;
}

void CPresenter::SetParagraphPending(bool pending) {
    paragraphPending_ = pending;
}

void CPresenter::Printf(const char* format, ...) {
    std::array<char, 8192> buffer{};
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    va_end(args);
    AppendRaw(buffer.data());
}

void CPresenter::AppendLineBreak() {
    AppendRaw(GetLineBreak());
}

void CPresenter::ReportMissing(const CMark& mark) {
    Printf("Cannot find details for 0x%x-%d\n", mark.GetRecordNumber(), mark.GetRegisterCode());
}

void CPresenter::AppendTo(std::string_view text, std::uint32_t /*number*/, char /*registerCode*/,
                          int /*context1*/, int /*context2*/, std::string& target) {
    target += text;
}

std::string CPresenter::ConvertText(std::string_view text, int /*mode*/) {
    return std::string(text);
}

void CPresenter::SetHighlighting(std::vector<std::string> terms, TermSplitter splitter) {
    highlightTerms_ = std::move(terms);
    splitter_ = std::move(splitter);
}

std::vector<CTextRun> CPresenter::SplitAtTerms(int kind, std::string_view text) const {
    if (kind != kFieldGoods || highlightTerms_.empty() || !splitter_)
        return {CTextRun{false, std::string(text)}};
    return splitter_(text, highlightTerms_);
}
