#include "tests/support/FakeDocumentHost.h"

namespace {

class CRecordingProgress : public IProgress {
public:
    explicit CRecordingProgress(CFakeHost& host) : host_(host) { ++host_.openProgresses; }
    ~CRecordingProgress() override { --host_.openProgresses; }
    void SetRange(int itemCount, int fromPercent, int toPercent) override {
        Record("range " + std::to_string(itemCount) + " " + std::to_string(fromPercent) + "-" +
               std::to_string(toPercent));
    }
    void SetProgress(const std::string& text, int item) override {
        Record(text + " @" + std::to_string(item));
        cancelled_ = cancelled_ || text == host_.cancelAt;
    }
    void Finish() override { Record("finish"); }
    bool IsCancelled() const override { return cancelled_; }

private:
    // A step that repeats the one before shows nothing new.
    void Record(const std::string& step) {
        if (host_.progressSteps.empty() || host_.progressSteps.back() != step)
            host_.progressSteps.push_back(step);
    }

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
