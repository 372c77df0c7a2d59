#include "app/document/MarkRecord.h"

#include "app/document/BinaryData.h"

CMark ReadMarkRecord(const CBinaryReader& in, std::size_t at) {
    return CMark(in.U32(at), static_cast<int>(in.U32(at + 4)),
                 in.Number(at + 16, kMaxStoredNumber, "a mark's section"),
                 in.Number(at + 12, kMaxStoredNumber, "a mark's search id"),
                 static_cast<int>(in.U32(at + 8)), in.U32(at + 20));
}

void WriteMarkRecord(CBinaryWriter& out, const CMark& mark) {
    out.PutU32(mark.GetRecordNumber());
    out.PutU32(static_cast<std::uint32_t>(mark.GetRegisterCode()));
    out.PutU32(static_cast<std::uint32_t>(mark.GetAppNumber()));
    out.PutU32(static_cast<std::uint32_t>(mark.GetSearchId()));
    out.PutU32(static_cast<std::uint32_t>(mark.GetSection()));
    out.PutU32(mark.GetFlags());
}
