#include "registers/RegisterWording.h"

#include "core/ZrAppNum.h"
#include "registers/RegisterTexts.h"

std::string CRegisterWording::DbCodesToNames(const std::string& codes) const {
    return ::DbCodesToNames(codes);
}

std::string CRegisterWording::StatusCodesToText(const std::string& letters,
                                                bool abbreviated) const {
    return ::StatusCodesToText(letters, abbreviated);
}

std::string CRegisterWording::AppNumRangeToText(const CZrAppNum& from, const CZrAppNum& to) const {
    return ::AppNumRangeToText(from.GetText(), to.GetText());
}

std::string CRegisterWording::DateRangeToText(const CZrDate& from, const CZrDate& to) const {
    return ::DateRangeToText(from, to);
}
