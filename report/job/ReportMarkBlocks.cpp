#include "report/job/ReportMarkBlocks.h"

#include "app/document/ZrDocData.h"
#include "core/SmallHelpers.h"
#include "core/VmRec.h"
#include "report/job/ReportPresenter.h"
#include "report/job/ReportRegisters.h"

#include <algorithm>
#include <cstdint>

namespace {

// UK numbers from this one up are the international register's marks.
constexpr std::uint32_t kFirstUkInternationalNumber = 2048000000;

const CZrData& EmptyRecord() {
    static const CZrData empty;
    return empty;
}

std::string Flag(bool set, const char* text) {
    return set ? text : "";
}

// The record's day-first APPDATE as year-month-day; the text as it is when it is no date.
std::string IsoAppDate(const std::string& text) {
    CZrDate date;
    return date.Parse(text.c_str()) ? date.FormatIso() : text;
}

// The document's indexes of the watched marks: the marks of no search, kept or not.
TVmRec<int> WatchedMarks(const CZrDocData& document) {
    TVmRec<int> watched;
    document.FilterMarks(MakeSearchMarksFilter(0, false), watched);
    return watched;
}

const char* StatusWord(std::uint64_t sortKey) {
    static const char* const kWords[] = {"Registered", "Lapsed", "Pending", "Abandoned"};
    return kWords[(sortKey >> 54) & 3];
}

} // namespace

void CCurrentMark::Set(const CMark& mark, IReportRegisters& registers) {
    mark_ = mark;
    db_ = registers.GetDb(mark.GetRegisterCode());
    record_.reset();
    recordLoaded_ = false;
}

const CZrData& CCurrentMark::Record() {
    if (!recordLoaded_) {
        record_ = db_ ? db_->GetTextRecord(mark_) : nullptr;
        recordLoaded_ = true;
    }
    return record_ ? *record_ : EmptyRecord();
}

std::string CCurrentMark::AppNumText() {
    return db_ ? db_->GetAppNumText(Record()) : "";
}

std::string CCurrentMark::ShortName() const {
    return db_ ? db_->GetShortName() : "";
}

int CCurrentMark::GetImageCount() {
    return db_ ? db_->GetImageCount(mark_) : 0;
}

bool CCurrentMark::GetImage(int index, std::uint32_t width, std::uint32_t height, CPing& image) {
    if (!db_ || !db_->IsDeviceMark(mark_) || index < -1)
        return false;
    if (index >= 0 && db_->GetImage(mark_, index, width, height, image))
        return true;
    return index <= 0 && db_->GetIcon(mark_, image);
}

std::string CReportMark::LookupField(std::string_view name) {
    using Block = CReportMark;
    static constexpr CReportFieldEntry<Block> kFields[] = {
        {"TMNUM", [](Block& block) { return block.current_.AppNumText(); }},
        {"TMNUM2",
         [](Block& block) {
             std::string number = block.current_.AppNumText();
             std::erase(number, ',');
             std::replace(number.begin(), number.end(), '-', '_');
             return number;
         }},
        {"CLASSES2",
         [](Block& block) { return ReplaceAll(block.current_.Field("CLASSES"), ",", ", "); }},
        {"APPDATE_Y_M_D", [](Block& block) { return IsoAppDate(block.current_.Field("APPDATE")); }},
        {"DATABASE", [](Block& block) { return block.current_.ShortName(); }},
        {"DATABASE2",
         [](Block& block) {
             const CMark& mark = block.current_.Mark();
             const bool international =
                 mark.GetRegisterCode() == 'u' &&
                 static_cast<std::uint32_t>(mark.GetAppNumber()) >= kFirstUkInternationalNumber;
             return international ? std::string("INT") : block.current_.ShortName();
         }},
        {"DBDESCR",
         [](Block& block) {
             return block.current_.Db() ? block.current_.Db()->GetLongName() : "";
         }},
        {"DBDATE",
         [](Block& block) {
             return block.current_.Db() ? block.current_.Db()->GetDataDate().Format() : "";
         }},
        {"LONG",
         [](Block& block) { return Flag(block.current_.Mark().HasFlag(CMark::kLong), "LONG"); }},
        {"HASDEVICE",
         [](Block& block) {
             const IReportDb* db = block.current_.Db();
             return Flag(db && db->IsDeviceMark(block.current_.Mark()), "HASDEVICE");
         }},
        {"KEPT", [](Block& block) { return Flag(block.current_.Mark().IsKept(), "KEPT"); }},
        {"ISFIRST", [](Block& block) { return Flag(block.first_, "FIRST"); }},
        {"ISLAST", [](Block& block) { return Flag(block.last_, "LAST"); }},
        {"TAB", [](Block&) { return std::string("\t"); }},
        {"QAPPNUM",
         [](Block& block) {
             const IReportDb* db = block.current_.Db();
             return db ? db->FormatMarkAppNum(block.current_.Mark()) : "";
         }},
        {"QSTATUS",
         [](Block& block) {
             const IReportDb* db = block.current_.Db();
             return db ? std::string(StatusWord(db->GetSortKey(block.current_.Mark()))) : "";
         }},
    };
    std::string value;
    if (LookupIn(kFields, *this, name, value))
        return value;
    // A record field shadows the outer blocks only when it holds something.
    value = current_.Field(name);
    return value.empty() ? CReportContainer::LookupField(name) : value;
}

bool CReportMark::Evaluate(CReportPresenter& presenter, CReportInfo& info) {
    const CZrDocData& document = info.GetDocument();
    TVmRec<int> marks;
    const int count = document.FilterMarks(GetFilter(), marks);
    for (int i = 0; i < count; ++i) {
        presenter.NextMark();
        current_.Set(document.GetMark(marks.GetAt(i)), info.GetRegisters());
        first_ = i == 0;
        last_ = i == count - 1;
        if (!EvaluateChildren(presenter, info))
            return false;
    }
    return true;
}

int CReportMark::CountMarks(CReportInfo& info) {
    return info.GetDocument().CountMarks(GetFilter());
}

CReportWatch::CReportWatch(const ReportAttributes& attributes) {
    for (const auto& attribute : attributes)
        all_ |= attribute.first == "ALL";
}

std::string CReportWatch::LookupField(std::string_view name) {
    using Block = CReportWatch;
    static constexpr CReportFieldEntry<Block> kFields[] = {
        {"WATCH_TMNUM", [](Block& block) { return block.current_.AppNumText(); }},
        {"WATCH_DATABASE", [](Block& block) { return block.current_.ShortName(); }},
        {"WATCH_LONG",
         [](Block& block) { return Flag(block.current_.Mark().HasFlag(CMark::kLong), "LONG"); }},
        {"WATCH_KEPT", [](Block&) { return std::string("KEPT"); }},
    };
    static constexpr std::string_view kPrefix = "WATCH_";
    std::string value;
    if (LookupIn(kFields, *this, name, value))
        return value;
    if (!StartsWithNoCase(name, kPrefix))
        return CReportContainer::LookupField(name);
    value = current_.Field(name.substr(kPrefix.size()));
    return value.empty() ? CReportContainer::LookupField(name.substr(kPrefix.size())) : value;
}

bool CReportWatch::Enter(const CMark& watched, const CZrDocData& document) {
    filter_ = MakeSearchMarksFilter(watched.GetSection(), false);
    return all_ || document.HasMarks(filter_, 1);
}

bool CReportWatch::Evaluate(CReportPresenter& presenter, CReportInfo& info) {
    const CZrDocData& document = info.GetDocument();
    const TVmRec<int> watched = WatchedMarks(document);
    for (int i = 0; i < watched.GetSize(); ++i) {
        const CMark& mark = document.GetMark(watched.GetAt(i));
        if (!Enter(mark, document))
            continue;
        presenter.NextMark();
        current_.Set(mark, info.GetRegisters());
        if (!EvaluateChildren(presenter, info))
            return false;
    }
    return true;
}

int CReportWatch::CountMarks(CReportInfo& info) {
    const CZrDocData& document = info.GetDocument();
    const TVmRec<int> watched = WatchedMarks(document);
    int count = 0;
    for (int i = 0; i < watched.GetSize(); ++i) {
        if (Enter(document.GetMark(watched.GetAt(i)), document))
            count += 1 + CountChildren(info);
    }
    return count;
}
