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

TEST(VmRec, InsertRemoveAndCopy) {
    TVmRec<int> numbers;
    numbers.Add(1);
    numbers.Add(3);
    numbers.InsertAt(1, 2);
    numbers.InsertAt(3, 4);
    EXPECT_EQ(ThrownText([&] { numbers.InsertAt(6, 9); }), "out of bounds");
    numbers.RemoveAt(0);
    EXPECT_EQ(ThrownText([&] { numbers.RemoveAt(3); }), "out of bounds");

    TVmRec<int> copy;
    copy.Add(99);
    copy = numbers;
    numbers.RemoveAll();
    ASSERT_EQ(copy.GetSize(), 3);
    EXPECT_EQ(copy.GetAt(0), 2);
    EXPECT_EQ(copy.GetAt(2), 4);
    EXPECT_TRUE(numbers.IsEmpty());
}
