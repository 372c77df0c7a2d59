#include "app/document/ZreFileVer4.h"

#include "app/document/BinaryData.h"
#include "app/document/MarkRecord.h"
#include "app/document/Progress.h"
#include "app/document/TextException.h"
#include "app/document/ZreFile.h"
#include "core/MarkList.h"
#include "core/SearchList.h"
#include "core/ZrVersion.h"

#include <cstdint>

std::uint32_t CZreFileVer4::GetProgramVersionWord() {
    return kZrVersionMajor << 16 | kZrVersionMinor << 8 | kZrVersionPatch;
}

void CZreFileVer4::ReadHeader(CExamInfo& info, std::vector<CDbInfo>& databases) {
    const CBinaryReader& in = Input();
    in.Require(0, 1, kHeaderSize, "the header");
    versionWord_ = in.U32(40);
    info.SetCreated(in.U32(12));
    info.SetSections(in.Number(16, kMaxStoredNumber, "the number of sections"));
    info.SetOneClassOnly((in.U32(20) & kOneClassOnly) != 0);
    info.SetWatchMarkCount(static_cast<int>(in.U32(36)));
    info.SetType(in.U32(32) == 1 ? CExamInfo::kWatch : CExamInfo::kExamination);
    ReadDirectory(in.U32(24), in.U32(28));
    ReadStringTable(info);
    ForEachBlock(kDatabase, kDatabaseSize, "database records", [&](const CZreDirEntry& entry) {
        const std::size_t at = entry.offset;
        CDbInfo database;
        database.SetRegisterCode(RegisterOfKey(entry.key));
        database.SetDates(CZrDate(in.U32(at + 4)), CZrDate(in.U32(at + 8)));
        database.SetEngine(in.Text(at + 44, 32), static_cast<int>(in.U32(at + 76)));
        databases.push_back(database);
    });
}

void CZreFileVer4::ReadStringTable(CExamInfo& info) const {
    const CZreDirEntry* entry = FindFirst(kStringTable);
    if (!entry)
        return;
    const CBinaryReader& in = Input();
    // Every item holds at least its length and key.
    in.Require(entry->offset, entry->count, 4, "the examination's texts");
    std::size_t at = entry->offset;
    for (std::uint32_t i = 0; i < entry->count; ++i) {
        const std::uint16_t length = in.U16(at);
        if (length < 4)
            in.Fail("a text at offset " + std::to_string(at) + " has the length " +
                    std::to_string(length));
        info.SetValue(in.U16(at + 2), in.Text(at + 4, length - 4u));
        at += length;
    }
}

std::string CZreFileVer4::GetDatabaseCodes() const {
    std::string codes;
    for (const CZreDirEntry& entry : Directory()) {
        if (entry.type == kDatabase)
            codes += RegisterOfKey(entry.key);
    }
    return codes;
}

CSearch CZreFileVer4::ReadSearch(std::size_t at, std::size_t& length) {
    const CBinaryReader& in = Input();
    in.Require(at, 1, kSearchFixedSize, "a search");
    const std::uint32_t textLength = in.U32(at + 52);
    in.Require(at + kSearchFixedSize, textLength, 1, "a search's criteria text");
    length = kSearchFixedSize + textLength;

    CCriteria criteria;
    // A text the parser rejects keeps what it read, as the criteria always have.
    criteria.ReadCriteriaText(in.Text(at + kSearchFixedSize, textLength));
    if (versionWord_ <= kDoubledBackslashesUpTo)
        criteria.CollapseBackslashes();
    if (versionWord_ <= kCountrySubsetsUpTo && criteria.GetCountries().IsPartial())
        countrySubset_ = true;

    CSearch search(in.Number(at + 8, kMaxStoredNumber, "a search's section"),
                   in.Number(at, kMaxStoredNumber, "a search id"));
    search.SetOrder(in.Number(at + 4, kMaxStoredNumber, "a search's run order"));
    search.SetFlags(in.U32(at + 12));
    search.SetFound(static_cast<int>(in.U32(at + 16)));
    search.SetMarkCount(static_cast<int>(in.U32(at + 56)));
    search.SetRunDatabases(in.Text(at + 20, kRunDatabasesSize));
    search.SetCriteria(criteria);
    return search;
}

void CZreFileVer4::ReadSearches(CSearchList& searches) {
    const CZreDirEntry* entry = FindFirst(kSearches);
    if (!entry)
        return;
    Input().Require(entry->offset, entry->count, kSearchFixedSize, "the searches");
    std::size_t at = entry->offset;
    for (std::uint32_t i = 0; i < entry->count; ++i) {
        std::size_t length = 0;
        // In the file's order: a search stored without an id takes the list's next id of that
        // moment, as every reader of the file gives it.
        const CSearch search = ReadSearch(at, length);
        if (searches.Add(search) > kMaxStoredNumber)
            Input().Fail("a search without an id at offset " + std::to_string(at) +
                         " finds no id left");
        searches.ReserveOrdersTo(search.GetOrder());
        at += length;
    }
}

void CZreFileVer4::ReadMarks(CMarkList& marks) {
    const CZreDirEntry* entry = FindFirst(kMarks);
    if (!entry)
        return;
    const CBinaryReader& in = Input();
    in.Require(entry->offset, entry->count, kMarkRecordSize, "the marks");
    marks.Reserve(marks.GetCount() + static_cast<int>(entry->count));
    for (std::uint32_t i = 0; i < entry->count; ++i) {
        marks.Append(ReadMarkRecord(in, entry->offset + std::size_t{i} * kMarkRecordSize));
    }
}

namespace {

// The run databases as the file's field holds them: the text, or when it is longer than the
// field its distinct letters (runs append their databases one after another, so the letters
// repeat), never fewer letters than fit.
std::string RunDatabasesField(const std::string& runDatabases, std::size_t width) {
    if (runDatabases.size() < width)
        return runDatabases;
    std::string distinct;
    for (char code : runDatabases) {
        if (distinct.find(code) == std::string::npos)
            distinct += code;
    }
    return distinct;
}

// A number the readers take up to kMaxStoredNumber only: one beyond it is refused rather than
// written into a file that could not be opened again.
std::uint32_t Stored(int value, const char* what) {
    if (value < 0 || value > kMaxStoredNumber)
        throw CTextException("The examination cannot be saved: " + std::string(what) + " " +
                             std::to_string(value) + " is out of range");
    return static_cast<std::uint32_t>(value);
}

void CheckText(int key, const std::string& text) {
    if (key < 0 || key > 0xffff)
        throw CTextException("The examination setting key " + std::to_string(key) +
                             " cannot be saved: keys go up to 65535");
    if (text.size() > CZreFileVer4::kMaxTextLength)
        throw CTextException("The examination setting under key " + std::to_string(key) + " is " +
                             std::to_string(text.size()) +
                             " bytes long and cannot be saved: the file holds texts of up to " +
                             std::to_string(CZreFileVer4::kMaxTextLength) + " bytes");
}

} // namespace

void CZreFileVer4::WriteHeader(const CExamInfo& info, const std::vector<CDbInfo>& databases) {
    for (const auto& [key, text] : info.GetValues())
        CheckText(key, text);
    CBinaryWriter& out = File().Output();
    entryCount_ = static_cast<std::uint32_t>(databases.size() + 3);
    out.PutU32(kFileId);
    out.PutU32(kWrittenVersion);
    out.PutU32(0);
    out.PutU32(static_cast<std::uint32_t>(info.GetCreated()));
    out.PutU32(Stored(info.GetSections(), "the number of sections"));
    out.PutU32(info.IsOneClassOnly() ? kOneClassOnly : 0);
    out.PutU32(kHeaderSize);
    out.PutU32(entryCount_);
    out.PutU32(info.GetType() == CExamInfo::kWatch ? 1 : 0);
    out.PutU32(static_cast<std::uint32_t>(info.GetWatchMarkCount()));
    out.PutU32(GetProgramVersionWord());
    out.PutZeros(kHeaderSize - out.GetSize());
    out.PutZeros(kEntrySize * entryCount_);
    WriteStringTable(info);
    for (const CDbInfo& database : databases)
        WriteDatabase(database);
}

void CZreFileVer4::WriteStringTable(const CExamInfo& info) {
    CBinaryWriter& out = File().Output();
    const std::size_t start = out.GetSize();
    for (const auto& [key, text] : info.GetValues()) {
        out.PutU16(static_cast<std::uint16_t>(text.size() + 5));
        out.PutU16(static_cast<std::uint16_t>(key));
        out.PutBytes(text);
        out.PutZeros(1);
    }
    EndBlock(kStringTable, 0, start, info.GetValues().size());
}

void CZreFileVer4::WriteDatabase(const CDbInfo& database) {
    CBinaryWriter& out = File().Output();
    const std::size_t start = out.GetSize();
    // The first field repeats the second, as every version has written it.
    out.PutU32(database.GetFromDate().GetKey());
    out.PutU32(database.GetFromDate().GetKey());
    out.PutU32(database.GetToDate().GetKey());
    out.PutZeros(44 - 12);
    out.PutText(database.GetEngineName(), 32);
    out.PutU32(static_cast<std::uint32_t>(database.GetEngineVersion()));
    out.PutZeros(start + kDatabaseSize - out.GetSize());
    EndBlock(kDatabase, static_cast<std::uint8_t>(database.GetRegisterCode()), start, 1);
}

void CZreFileVer4::WriteSearch(const CSearch& search) {
    CBinaryWriter& out = File().Output();
    const std::string criteria = search.GetCriteria().WriteCriteriaText(true);
    out.PutU32(Stored(search.GetSearchId(), "a search id"));
    out.PutU32(Stored(search.GetOrder(), "a search's run order"));
    out.PutU32(Stored(search.GetSection(), "a search's section"));
    out.PutU32(search.GetFlags());
    out.PutU32(static_cast<std::uint32_t>(search.GetFound()));
    out.PutText(RunDatabasesField(search.GetRunDatabases(), kRunDatabasesSize), kRunDatabasesSize);
    out.PutU32(static_cast<std::uint32_t>(criteria.size() + 1));
    out.PutU32(static_cast<std::uint32_t>(search.GetMarkCount()));
    out.PutZeros(8);
    out.PutBytes(criteria);
    out.PutZeros(1);
}

void CZreFileVer4::WriteSearches(const CSearchList& searches, IProgress* progress) {
    const std::size_t start = File().Output().GetSize();
    for (int i = 0; i < searches.GetCount(); ++i) {
        if (progress)
            progress->SetProgress("Saving search criteria", i);
        WriteSearch(searches.GetAt(i));
    }
    EndBlock(kSearches, 0, start, static_cast<std::size_t>(searches.GetCount()));
}

void CZreFileVer4::WriteMarks(const CMarkList& marks, IProgress* progress) {
    CBinaryWriter& out = File().Output();
    const std::size_t start = out.GetSize();
    out.Reserve(start + kMarkRecordSize * static_cast<std::size_t>(marks.GetCount()) + kEntrySize);
    for (int i = 0; i < marks.GetCount(); ++i) {
        if (progress)
            progress->SetProgress("Saving marks", i);
        const CMark& mark = marks.GetAt(i);
        Stored(mark.GetSection(), "a mark's section");
        Stored(mark.GetSearchId(), "a mark's search id");
        WriteMarkRecord(out, mark);
    }
    EndBlock(kMarks, 0, start, static_cast<std::size_t>(marks.GetCount()));
}

void CZreFileVer4::EndBlock(std::uint32_t type, std::uint32_t key, std::size_t start,
                            std::size_t count) {
    if (entriesWritten_ >= entryCount_)
        throw CTextException("The examination file's header must be written first, and once");
    CBinaryWriter& out = File().Output();
    if (out.GetSize() > UINT32_MAX)
        throw CTextException("The examination is too large for an examination file");
    const std::size_t at = kHeaderSize + kEntrySize * entriesWritten_++;
    out.PatchU32(at, type);
    out.PatchU32(at + 4, key);
    out.PatchU32(at + 8, static_cast<std::uint32_t>(start));
    out.PatchU32(at + 12, static_cast<std::uint32_t>(out.GetSize() - start));
    out.PatchU32(at + 16, static_cast<std::uint32_t>(count));
}
