#include "report/job/ProgressModel.h"

#include <algorithm>
#include <chrono>
#include <utility>

std::int64_t SteadyMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

CProgressModel::CProgressModel(Clock clock) : clock_(std::move(clock)) {}

void CProgressModel::Open() {
    openTick_ = clock_();
    text_.clear();
}

void CProgressModel::SetRange(int first, int last, int low, int high) {
    first_ = first;
    last_ = last;
    low_ = low;
    high_ = high;
}

int CProgressModel::PercentOf(int position) const {
    if (first_ >= last_)
        return 0;
    // Each division truncates, as the bar always did; 64 bits keep large counts exact.
    const std::int64_t share =
        (std::int64_t{position} - first_) * 100 / (std::int64_t{last_} - first_);
    const std::int64_t percent = low_ + share * (std::int64_t{high_} - low_) / 100;
    return static_cast<int>(std::clamp<std::int64_t>(percent, 0, 100));
}

CProgressModel::CStep CProgressModel::SetProgress(const std::string* text, int position) {
    return Step(text, PercentOf(position));
}

CProgressModel::CStep CProgressModel::Finish() {
    return Step(nullptr, std::clamp(high_, 0, 100));
}

CProgressModel::CStep CProgressModel::Step(const std::string* text, int percent) {
    CStep step;
    if (text && *text != text_) {
        text_ = *text;
        step.textChanged = true;
    }
    if (percent != percent_) {
        percent_ = percent;
        step.barMoved = true;
    }
    const std::int64_t now = clock_();
    const bool pumpedLately = lastPumpTick_ <= now && now <= lastPumpTick_ + kPumpIntervalMs;
    if (step.barMoved || !pumpedLately) {
        step.pump = true;
        lastPumpTick_ = now;
    }
    return step;
}

std::int64_t CProgressModel::GetRemainingShowMs() const {
    return std::max<std::int64_t>(0, openTick_ + kShortestShowMs - clock_());
}
