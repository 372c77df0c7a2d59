#include "report/job/ZrDbsReportRegisters.h"

#include "registers/ZrDbs.h"

IReportDb* CZrDbsReportRegisters::GetDb(int code) {
    CZrDb* db = table_.GetDb(code);
    if (!db)
        return nullptr;
    return &views_.try_emplace(db, *db).first->second;
}

std::string CZrDbsReportRegisters::GetDbShortNames(const std::string& codes) const {
    return table_.GetDbShortNames(codes);
}

std::string CZrDbsReportRegisters::GetConnectedDatabaseCodes() const {
    return table_.GetConnectedDatabaseCodes();
}

std::string CZrDbsReportRegisters::CDb::GetShortName() const {
    return db_.GetShortName();
}

std::string CZrDbsReportRegisters::CDb::GetLongName() const {
    return db_.GetLongName();
}

CZrDate CZrDbsReportRegisters::CDb::GetDataDate() const {
    return db_.GetDataDate();
}

std::shared_ptr<const CZrData> CZrDbsReportRegisters::CDb::GetTextRecord(const CMark& mark) {
    std::string errorText;
    return db_.GetTextRecord(mark, errorText);
}

std::string CZrDbsReportRegisters::CDb::GetAppNumText(const CZrData& record) const {
    return db_.GetAppNumText(record);
}

std::string CZrDbsReportRegisters::CDb::FormatMarkAppNum(const CMark& mark) const {
    return db_.FormatMarkAppNum(mark);
}

std::uint64_t CZrDbsReportRegisters::CDb::GetSortKey(const CMark& mark) const {
    return db_.GetSortKey(mark);
}

bool CZrDbsReportRegisters::CDb::IsDeviceMark(const CMark& mark) const {
    return db_.IsDeviceMark(mark);
}

int CZrDbsReportRegisters::CDb::GetImageCount(const CMark& mark) {
    return db_.GetImageInfo(mark);
}

bool CZrDbsReportRegisters::CDb::GetImage(const CMark& mark, int index, std::uint32_t width,
                                          std::uint32_t height, CPing& image) {
    return db_.GetImageEx(mark, index, CImageSize{width, height}, image);
}

bool CZrDbsReportRegisters::CDb::GetIcon(const CMark& mark, CPing& image) {
    return db_.GetIcon(mark, image);
}
