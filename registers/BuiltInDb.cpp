#include "registers/BuiltInDb.h"

#include "registers/RecordTexts.h"

#include <algorithm>

namespace {

std::string Field(const CZrData& record, std::string_view name) {
    return std::string(record.GetField(name));
}

// The field, or "No Date" when it is empty.
std::string DateOrNone(const CZrData& record, std::string_view name) {
    const std::string date = Field(record, name);
    return date.empty() ? kNoDateText : date;
}

// "Reg:" and the registration date, else "App:" and the application date, each label followed
// by the separator; `otherwise` when the record has neither.
std::string RegistrationOrApplication(const CZrData& record, const char* separator,
                                      const char* otherwise) {
    if (const std::string date = Field(record, "REGDATE"); !date.empty())
        return "Reg:" + (separator + date);
    if (const std::string date = Field(record, "APPDATE"); !date.empty())
        return "App:" + (separator + date);
    return otherwise;
}

std::string Languages(const CZrData& record) {
    return JoinLanguages(record.GetField("LANG1"), record.GetField("LANG2"));
}

// "<label><field>" when the field is not empty, else "".
std::string Labelled(const char* label, const CZrData& record, std::string_view name) {
    const std::string value = Field(record, name);
    return value.empty() ? "" : label + value;
}

} // namespace

CBuiltInDb::CBuiltInDb(CZrDbs& table, int code, CBuiltInTraits traits)
    : CZrDb(table, code, traits.bitmapId), traits_(std::move(traits)) {}

std::string CBuiltInDb::FormatMarkAppNum(const CMark& mark) const {
    return traits_.formatAppNum(static_cast<std::uint32_t>(mark.GetAppNumber()));
}

void CBuiltInDb::SetMarkAppNum(CMark& mark, const CZrData& summary) const {
    const std::string_view number = summary.GetField(traits_.appNumField);
    if (mark.GetAppNumber() == 0 && !number.empty())
        mark.SetAppNumber(static_cast<int>(traits_.parseAppNum(number, nullptr)));
}

std::uint64_t CBuiltInDb::GetSortKey(const CMark& mark) const {
    return traits_.sortKey(mark.GetRecordNumber());
}

void CBuiltInDb::GetSortKeys(std::span<const std::uint32_t> recordNumbers,
                             std::span<std::uint64_t> keys) const {
    std::transform(recordNumbers.begin(), recordNumbers.end(), keys.begin(), traits_.sortKey);
}

bool CBuiltInDb::IsDeviceMark(const CMark& mark) const {
    return (mark.GetRecordNumber() & traits_.deviceBit) != 0;
}

bool CBuiltInDb::HasSound(const CMark& mark) {
    if (!traits_.hasSound)
        return false;
    const RecordPtr record = FetchTextRecord(mark);
    return record && record->HasField("HASSOUND");
}

std::vector<std::string> CBuiltInDb::GetSummaryLines(const CMark& mark) {
    std::string errorText;
    const RecordPtr record = GetTextRecord(mark, errorText);
    if (!record)
        return {};
    std::vector<std::string> lines;
    lines.push_back(GetShortName() + " " + GetAppNumText(*record));
    lines.push_back(traits_.layout.summaryDate == SummaryDate::Application
                        ? DateOrNone(*record, "APPDATE")
                        : RegistrationOrApplication(*record, " ", kNoDateText));
    lines.push_back(Field(*record, "STATUS"));
    switch (traits_.layout.summaryNote) {
    case SummaryNote::None:
        break;
    case SummaryNote::Journal:
        lines.push_back(Labelled("Jnl ", *record, "JOURNAL"));
        break;
    case SummaryNote::Languages:
        lines.push_back(Languages(*record));
        break;
    case SummaryNote::AppNum:
        lines.push_back(Field(*record, "APPNUM"));
        break;
    }
    return lines;
}

void CBuiltInDb::PresentRecord(const CMark& mark, CPresenter& output, std::uint32_t flags,
                               int context1, int context2) {
    std::string errorText;
    if (const RecordPtr record = GetTextRecord(mark, errorText))
        traits_.present(*record, output, flags, context1, context2);
}

void CBuiltInDb::FillHeaderTexts(const CZrData& text, CHeaderTexts& texts) const {
    texts.line1Left = GetHeaderNumber(text);
    texts.line1Right = HeaderDateText(text);
    texts.line2Left = HeaderClassesText(text);
    texts.line2Right = Field(text, "STATUS");
    texts.line3Left = HeaderNoteText(text);
    texts.wordMark = GetWordMarkText(text, texts.wideWordMark);
}

std::string CBuiltInDb::HeaderDateText(const CZrData& text) const {
    switch (traits_.layout.headerDate) {
    case HeaderDate::Application:
        return DateOrNone(text, "APPDATE");
    case HeaderDate::RegistrationOrApply:
        return RegistrationOrApplication(text, "", "");
    case HeaderDate::PublicationOrLanguages:
        if (const std::string published = Labelled("Pub:", text, "PUBDATE"); !published.empty())
            return published;
        return Languages(text);
    case HeaderDate::Publication:
        return Labelled("Pub:", text, "PUBDATE");
    }
    return "";
}

std::string CBuiltInDb::HeaderNoteText(const CZrData& text) const {
    switch (traits_.layout.headerNote) {
    case HeaderNote::None:
        return "";
    case HeaderNote::Journal:
        return Labelled("Jnl ", text, "JOURNAL");
    case HeaderNote::Application:
        return DateOrNone(text, "APPDATE");
    case HeaderNote::AppNum:
        return Field(text, "APPNUM");
    }
    return "";
}

std::string CBuiltInDb::HeaderClassesText(const CZrData& text) const {
    switch (traits_.layout.headerClasses) {
    case HeaderClasses::Nice:
        return "Class " + Field(text, "CLASSES");
    case HeaderClasses::Locarno:
        return Labelled("Locarno ", text, "LOCAR");
    case HeaderClasses::None:
        return "";
    }
    return "";
}
