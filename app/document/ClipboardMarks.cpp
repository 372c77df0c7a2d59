#include "app/document/ClipboardMarks.h"

#include "app/document/BinaryData.h"
#include "app/document/MarkRecord.h"

#include <cstdint>

std::string EncodeClipboardMarks(std::span<const CMark> marks) {
    CBinaryWriter out;
    out.Reserve(4 + kMarkRecordSize * marks.size());
    out.PutU32(static_cast<std::uint32_t>(marks.size()));
    for (const CMark& mark : marks)
        WriteMarkRecord(out, mark);
    return out.TakeBytes();
}

void DecodeClipboardMarks(std::string_view data, std::vector<CMark>& marks) {
    const CBinaryReader in(data, std::string(kZrMarksFormat) + " data");
    const std::uint32_t count = in.U32(0);
    if (count > static_cast<std::uint32_t>(INT32_MAX))
        in.Fail("the number of marks " + std::to_string(static_cast<std::int32_t>(count)) +
                " is below 0");
    in.Require(4, count, kMarkRecordSize, "the marks");
    marks.reserve(marks.size() + count);
    for (std::uint32_t i = 0; i < count; ++i)
        marks.push_back(ReadMarkRecord(in, 4 + std::size_t{i} * kMarkRecordSize));
}
