#pragma once
// A calendar date without time of day: application, registration and publication dates,
// criteria date bounds and database coverage dates.

#include <cstdint>
#include <ctime>
#include <string>

class CZrDate {
public:
    CZrDate() = default;
    explicit CZrDate(std::uint32_t packedKey);
    explicit CZrDate(const char* text);
    CZrDate(const CZrDate&) = default;
    CZrDate& operator=(const CZrDate&) = default;
    virtual ~CZrDate() = default;

    // From the local time of a time_t; false (date unchanged) when the time cannot be converted.
    bool SetTime(std::time_t time);
    // Day first: "5 Jan 2004", "05-01-2004", "5.1.2004". With a position output anything may
    // follow the year and the output receives the characters consumed; without one only blanks.
    bool Parse(const char* text, int* position = nullptr);
    // Year first: "2004-1-5", "2004/01/05".
    bool ParseYmd(const char* text);

    bool operator==(const CZrDate& other) const { return GetKey() == other.GetKey(); }
    bool operator!=(const CZrDate& other) const { return GetKey() != other.GetKey(); }
    bool operator<(const CZrDate& other) const { return GetKey() < other.GetKey(); }

    // day + (month << 8) + (year << 16): the form of comparisons and examination files.
    std::uint32_t GetKey() const {
        return day_ + (std::uint32_t{month_} << 8) + (std::uint32_t{year_} << 16);
    }
    // day + 100 x month + 10000 x year: the form of the criteria text.
    std::uint32_t GetYmd() const { return day_ + 100u * month_ + 10000u * year_; }

    // "5 Jan 2004", or "Unknown" for an empty date.
    std::string Format() const;
    // "2004-01-05", or "YYYY-MM-DD" for an empty date.
    std::string FormatIso() const;

    bool IsEmpty() const { return day_ == 0; }
    void Clear() { day_ = month_ = 0, year_ = 0; }
    int GetDay() const { return day_; }
    int GetMonth() const { return month_; }
    int GetYear() const { return year_; }

    static bool IsSeparator(char c) { return c == ' ' || c == '-' || c == '.' || c == '/'; }
    // "???" for 0 and anything outside 1-12, else "Jan" ... "Dec".
    static const char* MonthName(int month);

private:
    std::uint8_t day_ = 0;
    std::uint8_t month_ = 0;
    std::uint16_t year_ = 0;
};
