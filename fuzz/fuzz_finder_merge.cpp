// String-finder replies made up from the input (positions, counts, markers, reply lengths,
// failed calls) read by one cursor and by a merge of three registers, stepped at random: nothing
// may crash, a cursor's window never holds more than 256 entries, and an entry it answers lies
// in its window.
#include "search/StringFinderMerge.h"

#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

class CFuzzedFinder : public IRemoteStringFinder {
public:
    explicit CFuzzedFinder(FuzzedDataProvider& input) : input_(input) {}

    bool GetStrings(std::int32_t from, std::int32_t to,
                    std::vector<CFinderReplyEntry>& entries) override {
        if (input_.ConsumeIntegralInRange<int>(0, 15) == 0)
            return false;
        const std::int64_t asked = std::int64_t{to} - from + 1;
        const auto count = input_.ConsumeIntegralInRange<std::int64_t>(0, asked + 4);
        entries.clear();
        for (std::int64_t i = 0; i < count; ++i) {
            if (input_.ConsumeIntegralInRange<int>(0, 7) == 0)
                entries.push_back({0xFFFFFFFFu, 0, ""});
            else
                entries.push_back({input_.ConsumeIntegral<std::uint32_t>(),
                                   input_.ConsumeIntegral<std::uint32_t>(),
                                   input_.ConsumeRandomLengthString(12)});
        }
        return true;
    }
    void Dispose() override {}

private:
    FuzzedDataProvider& input_;
};

void CheckWindow(const CStringFinderDb& cursor, int index, const CKeyedString* entry) {
    const auto [first, last] = cursor.GetRange();
    if (std::int64_t{last} - first + 1 > static_cast<std::int64_t>(CStringFinderDb::kMaxWindow))
        __builtin_trap();
    if (entry && (index < first || index > last || cursor.Peek(index) != entry))
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int mode = input.PickValueInArray({0, 3, 4, 5, 7, 8});
    CStringFinderDb cursor('u', std::make_unique<CFuzzedFinder>(input), CFinderOrder(mode));
    cursor.SetPageSize(input.ConsumeIntegralInRange<int>(-2, 300));
    CStringFinderMergeCache merge("", mode);
    for (const char code : {'u', 'c', 'w'})
        merge.AddFinder(code, std::make_unique<CFuzzedFinder>(input), 0,
                        input.ConsumeIntegralInRange<int>(0, 40));
    CFoundString entry;
    for (int step = 0; step < 4000 && input.remaining_bytes() > 0; ++step) {
        switch (input.ConsumeIntegralInRange<int>(0, 5)) {
        case 0: {
            const int index = input.ConsumeIntegralInRange<int>(-700, 700);
            CheckWindow(cursor, index, cursor.GetAt(index));
            break;
        }
        case 1:
            cursor.FetchNext();
            CheckWindow(cursor, 0, nullptr);
            break;
        case 2:
            merge.GetAt(input.ConsumeIntegralInRange<int>(-300, 300), entry);
            break;
        case 3:
            merge.Skip();
            break;
        case 4:
            merge.MovePrev();
            break;
        default:
            merge.MergeNext(entry);
            break;
        }
    }
    return 0;
}
