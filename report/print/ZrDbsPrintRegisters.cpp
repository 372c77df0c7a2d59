#include "report/print/ZrDbsPrintRegisters.h"

#include "registers/ZrDbs.h"

IPrintDb* CZrDbsPrintRegisters::GetDb(int code) {
    CZrDb* db = table_.GetDb(code);
    if (!db)
        return nullptr;
    return &views_.try_emplace(db, *db).first->second;
}

std::string CZrDbsPrintRegisters::GetConnectedDatabaseCodes() const {
    return table_.GetConnectedDatabaseCodes();
}

std::string CZrDbsPrintRegisters::CDb::GetShortName() const {
    return db_.GetShortName();
}

std::string CZrDbsPrintRegisters::CDb::GetLongName() const {
    return db_.GetLongName();
}

std::vector<std::string> CZrDbsPrintRegisters::CDb::GetSummaryLines(const CMark& mark) {
    return db_.GetSummaryLines(mark);
}

std::string CZrDbsPrintRegisters::CDb::GetWordMark(const CMark& mark, bool& greek) {
    return db_.GetWordMark(mark, &greek);
}

std::string CZrDbsPrintRegisters::CDb::GetClasses(const CMark& mark) {
    return db_.GetClasses(mark);
}

std::string CZrDbsPrintRegisters::CDb::GetMarkAppNum(const CMark& mark) {
    return db_.GetMarkAppNum(mark);
}

bool CZrDbsPrintRegisters::CDb::HasRecord(const CMark& mark) {
    return db_.FetchTextRecord(mark) != nullptr;
}

void CZrDbsPrintRegisters::CDb::FetchSummaries(std::span<const CMark> marks) {
    db_.FetchSummaryRecords(marks);
}

void CZrDbsPrintRegisters::CDb::PresentRecord(const CMark& mark, CPresenter& output,
                                              std::uint32_t flags) {
    db_.PresentRecord(mark, output, flags, 0, 0);
}

int CZrDbsPrintRegisters::CDb::GetImageCount(const CMark& mark) {
    return db_.GetImageInfo(mark);
}

bool CZrDbsPrintRegisters::CDb::GetImage(const CMark& mark, int index, int box, CPing& image) {
    const auto side = static_cast<std::uint32_t>(box);
    return db_.GetImageEx(mark, index, CImageSize{side, side}, image);
}

bool CZrDbsPrintRegisters::CDb::GetIcon(const CMark& mark, CPing& image) {
    return db_.GetIcon(mark, image);
}

std::string CZrDbsPrintRegisters::CDb::GetImageStyle(const CMark& mark) {
    return db_.GetImageStyle(mark);
}
