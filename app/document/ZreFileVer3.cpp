#include "app/document/ZreFileVer3.h"

#include "app/document/BinaryData.h"
#include "app/document/MarkRecord.h"
#include "app/document/RegisterCodeNames.h"
#include "app/document/ZreFile.h"
#include "core/MarkList.h"
#include "core/SearchList.h"

void CZreFileVer3::ReadDirectory(std::uint32_t offset, std::uint32_t count) {
    if (!Directory().empty())
        return;
    CZreFileVer::ReadDirectory(offset, count);
    for (CZreDirEntry& entry : Directory())
        entry.key = entry.key == 1 ? 'u' : entry.key == 2 ? 'c' : 0;
}

void CZreFileVer3::ReadHeader(CExamInfo& info, std::vector<CDbInfo>& databases) {
    const CBinaryReader& in = Input();
    in.Require(0, 1, kHeaderSize, "the header");
    info.SetCreated(in.U32(12));
    info.SetSections(in.Number(16, kMaxStoredNumber, "the number of sections"));
    ReadDirectory(in.U32(24), in.U32(28));
    ForEachBlock(kDatabase, kDatabaseSize, "database records", [&](const CZreDirEntry& entry) {
        CDbInfo database;
        database.SetRegisterCode(static_cast<char>(entry.key));
        database.SetDates(CZrDate(in.U32(entry.offset + 4)), CZrDate(in.U32(entry.offset + 8)));
        databases.push_back(database);
    });
}

std::string CZreFileVer3::GetDatabaseCodes() const {
    std::string codes;
    for (const CZreDirEntry& entry : Directory()) {
        const char code = static_cast<char>(entry.key);
        if (code != 0 && codes.find(code) == std::string::npos)
            codes += code;
    }
    return codes;
}

void CZreFileVer3::ReadSearches(CSearchList& searches) {
    const CBinaryReader& in = Input();
    const IRegisterCodeNames& codeNames = File().CodeNames();
    constexpr std::size_t kSize = kOldSearchFixedSize + kOldCriteriaSize;
    ForEachBlock(kOldSearches, kSize, "old searches", [&](const CZreDirEntry& entry) {
        for (std::uint32_t i = 0; i < entry.count; ++i) {
            const std::size_t at = entry.offset + std::size_t{i} * kSize;
            const CCriteria criteria = ConvertV3Criteria(in, at + kOldSearchFixedSize,
                                                         static_cast<char>(entry.key), codeNames);
            CSearch search(in.U8(at), in.U16(at + 8));
            search.SetFlags(in.U32(at + 4));
            search.SetFound(static_cast<int>(in.U32(at + 12)));
            if ((search.GetFlags() & CSearch::kHasRun) != 0)
                search.SetRunDatabases(criteria.GetDbIds());
            search.SetCriteria(criteria);
            // In the file's order: one stored without an id takes the next id of that moment.
            searches.Add(search);
        }
    });
}

void CZreFileVer3::ReadMarks(CMarkList& marks) {
    const CBinaryReader& in = Input();
    ForEachBlock(kOldMarks, kOldMarkSize, "old marks", [&](const CZreDirEntry& entry) {
        marks.Reserve(marks.GetCount() + static_cast<int>(entry.count));
        for (std::uint32_t i = 0; i < entry.count; ++i) {
            const std::size_t at = entry.offset + std::size_t{i} * kOldMarkSize;
            marks.Append(CMark(in.U32(at), static_cast<char>(entry.key), in.U8(at + 4),
                               in.U16(at + 6), static_cast<int>(in.U32(at + 8)), in.U8(at + 5)));
        }
    });
}
