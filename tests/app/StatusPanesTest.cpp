#include "app/StatusPanes.h"

#include "RecordingSurface.h"

#include <gtest/gtest.h>

namespace {

using Calls = std::vector<std::string>;

TEST(TrainingPane, GreenWithCentredTextOnlyWhileTrainingIsConnected) {
    CRecordingSurface training;
    training.SetFontMetrics("", 10, 14);
    DrawTrainingPane(training, {200, 2, 300, 22}, true);
    const Calls calls = training.DrawingCalls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[0], "FillRect(200, 2, 300, 22, #80FF80)");
    // 8 characters of 10 in a pane 100 wide, 14 high in 20.
    EXPECT_NE(std::find(calls.begin(), calls.end(), "TextOut(210, 5, \"TRAINING\")"), calls.end());

    CRecordingSurface plain;
    DrawTrainingPane(plain, {200, 2, 300, 22}, false);
    EXPECT_EQ(plain.DrawingCalls(), (Calls{"FillRect(200, 2, 300, 22, #F0F0F0)"}));
}

} // namespace
