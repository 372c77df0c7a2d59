#include "core/VmRec.h"

#include "core/Mark.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// The text a checked access throws, or empty when it throws nothing.
template <typename Access>
std::string ThrownText(Access access) {
    try {
        access();
    } catch (const char* text) {
        return text;
    }
    return {};
}

} // namespace

TEST(VmRec, CheckedReadRefusesIndexesOutside) {
    TVmRec<int> numbers;
    numbers.Add(4);
    numbers.Add(5);
    EXPECT_EQ(numbers.GetAt(1), 5);
    EXPECT_EQ(ThrownText([&] { numbers.GetAt(-1); }), "out of bounds");
    EXPECT_EQ(ThrownText([&] { numbers.GetAt(2); }), "out of bounds");
    EXPECT_EQ(ThrownText([&] { TVmRec<int>().GetAt(0); }), "out of bounds");
}

TEST(VmRec, ElementAtAppendsOnlyOnePastTheEnd) {
    TVmRec<CMark> marks;
    marks.ElementAt(0).SetRecordNumber(7);
    marks.ElementAt(1);
    ASSERT_EQ(marks.GetSize(), 2);
    EXPECT_EQ(marks.GetAt(0).GetRecordNumber(), 7u);
    EXPECT_EQ(marks.GetAt(1).GetRecordNumber(), 0u);
    EXPECT_EQ(marks.GetAt(1).GetFlags(), 0u);

    // A stray index must not grow the array.
    EXPECT_EQ(ThrownText([&] { marks.ElementAt(marks.GetSize() + 2); }), "out of bounds");
    EXPECT_EQ(ThrownText([&] { marks.ElementAt(-1); }), "out of bounds");
    EXPECT_EQ(marks.GetSize(), 2);
}

TEST(VmRec, InsertAndRemoveAreChecked) {
    TVmRec<int> numbers;
    numbers.InsertAt(0, 2);
    numbers.InsertAt(0, 1);
    EXPECT_EQ(ThrownText([&] { numbers.InsertAt(3, 9); }), "out of bounds");
    EXPECT_EQ(ThrownText([&] { numbers.RemoveAt(2); }), "out of bounds");
    numbers.RemoveAt(0);
    ASSERT_EQ(numbers.GetSize(), 1);
    EXPECT_EQ(numbers.GetAt(0), 2);
}

TEST(VmRec, LargeArraysCrossTheBlockSizeBothWays) {
    const int large = static_cast<int>(platform::kLargeBlockSize / sizeof(CMark)) + 1;
    TVmRec<CMark> marks;
    for (int i = 0; i < large; ++i)
        marks.Add(CMark(static_cast<std::uint32_t>(i), 'u', 0, 1));
    TVmRec<CMark> copy = marks;
    EXPECT_EQ(copy.GetAt(large - 1).GetRecordNumber(), static_cast<std::uint32_t>(large - 1));
    marks.RemoveAll();
    marks.Add(CMark());
    copy = marks;
    EXPECT_EQ(copy.GetSize(), 1);
}
