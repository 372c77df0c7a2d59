#include "core/ZrDate.h"

#include <cctype>
#include <cstdio>
#include <strings.h>

namespace {

const char* const kMonthNames[13] = {"???", "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

void SkipBlanks(const char*& p) {
    while (*p == ' ')
        ++p;
}

void SkipSeparators(const char*& p) {
    while (CZrDate::IsSeparator(*p))
        ++p;
}

// One digit, or two when a second follows; -1 when there is no digit.
int ReadOneOrTwoDigits(const char*& p) {
    if (!IsDigit(*p))
        return -1;
    int value = *p++ - '0';
    if (IsDigit(*p))
        value = value * 10 + (*p++ - '0');
    return value;
}

// A month as digits or as a name whose first three letters match the table; -1 when neither.
int ReadMonth(const char*& p) {
    if (IsDigit(*p))
        return ReadOneOrTwoDigits(p);
    if (!p[0] || !p[1] || !p[2])
        return -1;
    for (int month = 1; month <= 12; ++month) {
        if (strncasecmp(p, kMonthNames[month], 3) == 0) {
            p += 3;
            while (IsLetter(*p))
                ++p;
            return month;
        }
    }
    return -1;
}

// Exactly four digits; -1 otherwise.
int ReadYear(const char*& p) {
    int year = 0;
    for (int i = 0; i < 4; ++i) {
        if (!IsDigit(p[i]))
            return -1;
        year = year * 10 + (p[i] - '0');
    }
    p += 4;
    return year;
}

} // namespace

CZrDate::CZrDate(std::uint32_t packedKey)
    : day_(packedKey & 0xff), month_((packedKey >> 8) & 0xff), year_(packedKey >> 16) {}

CZrDate::CZrDate(const char* text) { Parse(text); }

bool CZrDate::SetTime(std::time_t time) {
    std::tm local{};
    if (!localtime_r(&time, &local))
        return false;
    day_ = static_cast<std::uint8_t>(local.tm_mday);
    month_ = static_cast<std::uint8_t>(local.tm_mon + 1);
    year_ = static_cast<std::uint16_t>(local.tm_year + 1900);
    return true;
}

bool CZrDate::Parse(const char* text, int* position) {
    if (!text)
        return false;
    const char* p = text;
    SkipBlanks(p);
    const int day = ReadOneOrTwoDigits(p);
    if (day < 1 || day > 31)
        return false;
    SkipSeparators(p);
    const int month = ReadMonth(p);
    if (month < 1 || month > 12)
        return false;
    SkipSeparators(p);
    const int year = ReadYear(p);
    if (year < 0)
        return false;
    if (position) {
        *position = static_cast<int>(p - text);
    } else {
        SkipBlanks(p);
        if (*p)
            return false;
    }
    day_ = static_cast<std::uint8_t>(day);
    month_ = static_cast<std::uint8_t>(month);
    year_ = static_cast<std::uint16_t>(year);
    return true;
}

bool CZrDate::ParseYmd(const char* text) {
    if (!text)
        return false;
    const char* p = text;
    SkipBlanks(p);
    const int year = ReadYear(p);
    if (year < 0)
        return false;
    SkipSeparators(p);
    const int month = ReadOneOrTwoDigits(p);
    SkipSeparators(p);
    const int day = ReadOneOrTwoDigits(p);
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return false;
    day_ = static_cast<std::uint8_t>(day);
    month_ = static_cast<std::uint8_t>(month);
    year_ = static_cast<std::uint16_t>(year);
    return true;
}

const char* CZrDate::MonthName(int month) {
    return month >= 1 && month <= 12 ? kMonthNames[month] : kMonthNames[0];
}

std::string CZrDate::Format() const {
    if (IsEmpty())
        return "Unknown";
    char text[32];
    std::snprintf(text, sizeof text, "%d %s %d", day_, MonthName(month_), year_);
    return text;
}

std::string CZrDate::FormatIso() const {
    if (IsEmpty())
        return "YYYY-MM-DD";
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year_, month_, day_);
    return text;
}
