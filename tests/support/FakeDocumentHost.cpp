#include "tests/support/FakeDocumentHost.h"

namespace {

class CRecordingProgress : public IProgress {
public:
    explicit CRecordingProgress(CFakeHost& host) : host_(host) { ++host_.openProgresses; }
    ~CRecordingProgress() override { --host_.openProgresses; }
    void SetRange(int itemCount, int fromPercent, int toPercent) override {
        host_.progressSteps.push_back("range " + std::to_string(itemCount) + " " +
                                      std::to_string(fromPercent) + "-" +
                                      std::to_string(toPercent));
    }
    void SetProgress(const std::string& text, int item) override {
        host_.progressSteps.push_back(text + " @" + std::to_string(item));
        cancelled_ = cancelled_ || text == host_.cancelAt;
    }
    void Finish() override { host_.progressSteps.push_back("finish"); }
    bool IsCancelled() const override { return cancelled_; }

private:
    CFakeHost& host_;
    bool cancelled_ = false;
};

} // namespace

bool CFakeHost::AskYesNo(const std::string& text) {
    questions.push_back(text);
    if (answers.empty())
        return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

std::unique_ptr<IProgress> CFakeHost::OpenProgress(const std::string& caption) {
    progressCaptions.push_back(caption);
    return std::make_unique<CRecordingProgress>(*this);
}
