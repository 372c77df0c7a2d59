#pragma once
// A presenter that records every call as one line of text, such as
// AddField(4, "Class 3: ", "Soap", 0x10, 1, 1, 0), for the tests of whatever writes through a
// presenter. It keeps the pending-paragraph flag as the interface says.

#include "report/presenter/Presenter.h"

#include <string>
#include <vector>

class CRecordingPresenter : public CPresenter {
public:
    void AddField(int kind, std::string_view label, std::string_view text, unsigned style, int mode,
                  bool forceBreak, bool pendingAfter) override;
    void AddPlainField(std::string_view label, std::string_view text, unsigned style, int mode,
                       bool forceBreak, bool pendingAfter) override;
    void RequestParagraph() override;
    void EndParagraph(bool force) override;
    void SetParagraphPending(bool pending) override;
    void AddThreeColumns(std::string_view first, std::string_view second, std::string_view third,
                         unsigned style, int valueMode) override;
    void AddTwoColumns(std::string_view first, std::string_view second, unsigned style,
                       int valueMode) override;
    void AddText(std::string_view text, unsigned style) override;
    void AppendRaw(std::string_view text) override;
    void AppendChar(char c) override;
    void AppendLineBreak() override;
    std::string GetLineBreak() const override { return "\n"; }
    void AppendTo(std::string_view text, std::uint32_t number, char registerCode, int context1,
                  int context2, std::string& target) override;

    const std::vector<std::string>& Calls() const { return calls_; }
    void Clear() { calls_.clear(); }

private:
    void RecordField(const char* name, int kind, std::string_view label, std::string_view text,
                     unsigned style, int mode, bool forceBreak, bool pendingAfter);

    std::vector<std::string> calls_;
};
