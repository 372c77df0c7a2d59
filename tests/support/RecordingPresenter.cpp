#include "tests/support/RecordingPresenter.h"

#include <cstdio>
#include <sstream>

namespace {

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string Hex(unsigned value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%x", value);
    return buffer;
}

} // namespace

void CRecordingPresenter::RecordField(const char* name, int kind, std::string_view label,
                                      std::string_view text, unsigned style, int mode,
                                      bool forceBreak, bool pendingAfter) {
    std::ostringstream call;
    call << name << "(";
    if (kind >= 0)
        call << kind << ", ";
    call << Quoted(label) << ", " << Quoted(text) << ", " << Hex(style) << ", " << mode << ", "
         << forceBreak << ", " << pendingAfter << ")";
    calls_.push_back(call.str());
    if (!text.empty())
        CPresenter::SetParagraphPending(pendingAfter);
}

void CRecordingPresenter::AddField(int kind, std::string_view label, std::string_view text,
                                   unsigned style, int mode, bool forceBreak, bool pendingAfter) {
    RecordField("AddField", kind, label, text, style, mode, forceBreak, pendingAfter);
}

void CRecordingPresenter::AddPlainField(std::string_view label, std::string_view text,
                                        unsigned style, int mode, bool forceBreak,
                                        bool pendingAfter) {
    RecordField("AddPlainField", -1, label, text, style, mode, forceBreak, pendingAfter);
}

void CRecordingPresenter::RequestParagraph() {
    calls_.push_back("RequestParagraph()");
    CPresenter::RequestParagraph();
}

void CRecordingPresenter::EndParagraph(bool force) {
    calls_.push_back("EndParagraph(" + std::to_string(force) + ")");
}

void CRecordingPresenter::SetParagraphPending(bool pending) {
    calls_.push_back("SetParagraphPending(" + std::to_string(pending) + ")");
    CPresenter::SetParagraphPending(pending);
}

void CRecordingPresenter::AddThreeColumns(std::string_view first, std::string_view second,
                                          std::string_view third, unsigned style, int valueMode) {
    calls_.push_back("AddThreeColumns(" + Quoted(first) + ", " + Quoted(second) + ", " +
                     Quoted(third) + ", " + Hex(style) + ", " + std::to_string(valueMode) + ")");
}

void CRecordingPresenter::AddTwoColumns(std::string_view first, std::string_view second,
                                        unsigned style, int valueMode) {
    calls_.push_back("AddTwoColumns(" + Quoted(first) + ", " + Quoted(second) + ", " + Hex(style) +
                     ", " + std::to_string(valueMode) + ")");
}

void CRecordingPresenter::AddText(std::string_view text, unsigned style) {
    calls_.push_back("AddText(" + Quoted(text) + ", " + Hex(style) + ")");
}

void CRecordingPresenter::AppendRaw(std::string_view text) {
    calls_.push_back("AppendRaw(" + Quoted(text) + ")");
}

void CRecordingPresenter::AppendChar(char c) {
    calls_.push_back("AppendChar(" + Quoted(std::string(1, c)) + ")");
}

void CRecordingPresenter::AppendLineBreak() {
    calls_.push_back("AppendLineBreak()");
}

void CRecordingPresenter::AppendTo(std::string_view text, std::uint32_t number, char registerCode,
                                   int context1, int context2, std::string& target) {
    calls_.push_back("AppendTo(" + Quoted(text) + ", " + Hex(number) + ", '" +
                     std::string(1, registerCode) + "', " + std::to_string(context1) + ", " +
                     std::to_string(context2) + ")");
    CPresenter::AppendTo(text, number, registerCode, context1, context2, target);
}
