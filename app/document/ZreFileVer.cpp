#include "app/document/ZreFileVer.h"

#include "app/document/BinaryData.h"
#include "app/document/ZreFile.h"

void CZreFileVer::WriteHeader(const CExamInfo&, const std::vector<CDbInfo>&) {}
void CZreFileVer::WriteMarks(const CMarkList&, IProgress*) {}
void CZreFileVer::WriteSearches(const CSearchList&, IProgress*) {}

const CBinaryReader& CZreFileVer::Input() const {
    return file_.Input();
}

void CZreFileVer::ReadDirectory(std::uint32_t offset, std::uint32_t count) {
    if (!directory_.empty())
        return;
    const CBinaryReader& in = Input();
    in.Require(offset, count, kEntrySize, "the directory entries");
    directory_.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t at = offset + std::size_t{i} * kEntrySize;
        directory_.push_back(
            {in.U32(at), in.U32(at + 4), in.U32(at + 8), in.U32(at + 12), in.U32(at + 16)});
    }
}

const CZreDirEntry* CZreFileVer::FindFirst(std::uint32_t type) const {
    for (const CZreDirEntry& entry : directory_) {
        if (entry.type == type)
            return &entry;
    }
    return nullptr;
}

void CZreFileVer::ForEachBlock(std::uint32_t type, std::size_t recordSize, const char* what,
                               const std::function<void(const CZreDirEntry&)>& read) const {
    const CBinaryReader& in = Input();
    std::uint64_t claimed = 0;
    for (const CZreDirEntry& entry : directory_) {
        if (entry.type != type)
            continue;
        in.Require(entry.offset, entry.count, recordSize, what);
        claimed += std::uint64_t{entry.count} * recordSize;
        if (claimed > in.GetSize())
            in.Fail(std::string(what) + " of several blocks overlap");
    }
    for (const CZreDirEntry& entry : directory_) {
        if (entry.type == type)
            read(entry);
    }
}

char CZreFileVer::RegisterOfKey(std::uint32_t key) const {
    if (key > 0xff)
        Input().Fail("a block names the register " + std::to_string(key));
    return static_cast<char>(key);
}
