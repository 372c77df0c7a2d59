// The progress window's logic on a clock the test moves: the bar's percentage, when the text and
// the bar change, when waiting messages are handled, how long the window stays up.

#include "report/job/ProgressModel.h"

#include <gtest/gtest.h>

namespace {

class ProgressModel : public ::testing::Test {
protected:
    std::string Step(const char* text, int position) {
        const std::string value = text ? text : "";
        return Show(model_.SetProgress(text ? &value : nullptr, position));
    }
    std::string Finish() { return Show(model_.Finish()); }
    std::string Show(const CProgressModel::CStep& step) const {
        return std::string(step.textChanged ? "T" : "-") + (step.barMoved ? "B" : "-") +
               (step.pump ? "P" : "-") + std::to_string(model_.GetPercent());
    }

    std::int64_t now_ = 50000;
    CProgressModel model_{[this] { return now_; }};
};

TEST_F(ProgressModel, PercentagesTruncateAndStayOnTheBar) {
    model_.SetRange(0, 200, 0, 100);
    EXPECT_EQ(model_.PercentOf(1), 0);
    EXPECT_EQ(model_.PercentOf(3), 1);
    EXPECT_EQ(model_.PercentOf(200), 100);
    EXPECT_EQ(model_.PercentOf(-5), 0);
    EXPECT_EQ(model_.PercentOf(400), 100);
    model_.SetRange(10, 20, 34, 67);
    EXPECT_EQ(model_.PercentOf(15), 50);
    model_.SetRange(0, 2000000000, 0, 100);
    EXPECT_EQ(model_.PercentOf(1999999999), 99);
    for (const int last : {0, -3}) {
        model_.SetRange(0, last, 0, 100);
        EXPECT_EQ(model_.PercentOf(5), 0);
    }
}

TEST_F(ProgressModel, MessagesWaitUpToThreeSecondsUnlessTheBarMoves) {
    model_.Open();
    model_.SetRange(0, 100, 0, 100);
    EXPECT_EQ(Step("Saving", 0), "T-P0"); // the first step always pumps
    EXPECT_EQ(Step("Saving", 0), "---0");
    now_ += 3000;
    EXPECT_EQ(Step(nullptr, 0), "---0");
    now_ += 1;
    EXPECT_EQ(Step(nullptr, 0), "--P0");
    EXPECT_EQ(Step("Saving", 1), "-BP1");
    EXPECT_EQ(Step("Writing", 1), "T--1");
    EXPECT_EQ(model_.GetText(), "Writing");
    now_ -= 10; // a clock that went back pumps at once
    EXPECT_EQ(Step(nullptr, 1), "--P1");
}

TEST_F(ProgressModel, FinishFillsTheSpanEvenWithoutItems) {
    model_.Open();
    model_.SetRange(0, 0, 34, 67);
    EXPECT_EQ(Step("Writing", 0), "T-P0");
    EXPECT_EQ(Finish(), "-BP67");
    EXPECT_EQ(Finish(), "---67");
    model_.SetRange(0, 10, 68, 100);
    EXPECT_EQ(Step(nullptr, 5), "-BP84");
    EXPECT_EQ(Finish(), "-BP100");
}

TEST_F(ProgressModel, TheWindowStaysUpForASecondAndCancelSticks) {
    model_.Open();
    now_ += 400;
    EXPECT_EQ(model_.GetRemainingShowMs(), 600);
    now_ += 600;
    EXPECT_EQ(model_.GetRemainingShowMs(), 0);
    now_ += 5000;
    EXPECT_EQ(model_.GetRemainingShowMs(), 0);
    EXPECT_FALSE(model_.IsCancelled());
    model_.Cancel();
    model_.Cancel();
    EXPECT_TRUE(model_.IsCancelled());
}

} // namespace
