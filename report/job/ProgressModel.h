#pragma once
// What the progress window of a long operation shows and when it lets other windows paint,
// without the window: the bar's percentage for an item position, whether the text or the bar
// changed, whether waiting window messages should be handled now, and how long the window must
// still stay up when it closes. The working loop runs on the user-interface thread, so waiting
// messages are handled at most every 3,000 ms unless the bar moved, and every window stays
// visible for at least a second so that it does not flash.

#include <cstdint>
#include <functional>
#include <string>

class CProgressModel {
public:
    static constexpr std::int64_t kPumpIntervalMs = 3000;
    static constexpr std::int64_t kShortestShowMs = 1000;

    // Milliseconds of a steady clock.
    using Clock = std::function<std::int64_t()>;

    // What the window must do after a step.
    struct CStep {
        bool textChanged = false;
        bool barMoved = false;
        bool pump = false;
    };

    explicit CProgressModel(Clock clock);

    // The window appeared now.
    void Open();
    // Items first to last fill the bar from low to high percent.
    void SetRange(int first, int last, int low, int high);
    // A step at the item position, with a new text or none.
    CStep SetProgress(const std::string* text, int position);
    // The bar at the top of its span.
    CStep Finish();
    // The percentage of an item position, within 0 to 100.
    int PercentOf(int position) const;

    int GetPercent() const { return percent_; }
    const std::string& GetText() const { return text_; }
    // How long closing must wait so that the window was up for a second.
    std::int64_t GetRemainingShowMs() const;

    void Cancel() { cancelled_ = true; }
    bool IsCancelled() const { return cancelled_; }

private:
    CStep Step(const std::string* text, int percent);

    Clock clock_;
    bool cancelled_ = false;
    int first_ = 0;
    int last_ = 100;
    int low_ = 0;
    int high_ = 100;
    int percent_ = 0;
    std::string text_;
    std::int64_t openTick_ = 0;
    std::int64_t lastPumpTick_ = 0;
};

// The steady clock of the machine.
std::int64_t SteadyMilliseconds();
