#include "report/print/PrintData.h"

#include "app/document/Progress.h"
#include "report/print/PrintRegisters.h"

#include <map>

CZrDocData MakeSelectionPrintData(std::span<const CMark> marks) {
    CZrDocData data;
    data.SetOneClassOnly(true);
    for (const CMark& mark : marks) {
        CMark printed = mark;
        printed.SetSection(0);
        data.MergeMark(printed);
    }
    return data;
}

CZrDocData MakeMarkPrintData(const CMark& mark, bool longForm) {
    CZrDocData data;
    data.SetSectionCount(1);
    data.AddMark(mark.GetRecordNumber(), mark.GetRegisterCode(), 0, 0, mark.GetAppNumber(),
                 CMark::kPermanentKeep | (longForm ? CMark::kLong : 0));
    return data;
}

std::vector<CMark> PrintedMarks(const CZrDocData& data, int section) {
    TVmRec<int> indexes;
    data.FilterMarks(MakeSectionFilter(section, false), indexes);
    std::vector<CMark> marks;
    marks.reserve(static_cast<std::size_t>(indexes.GetSize()));
    for (int i = 0; i < indexes.GetSize(); ++i)
        marks.push_back(data.GetMark(indexes.GetAt(i)));
    return marks;
}

namespace {

std::vector<CMark> AllPrintedMarks(const CZrDocData& data) {
    std::vector<CMark> marks;
    for (int section = 0; section < data.GetSectionCount(); ++section) {
        const std::vector<CMark> ofSection = PrintedMarks(data, section);
        marks.insert(marks.end(), ofSection.begin(), ofSection.end());
    }
    return marks;
}

void FetchSummaries(const std::vector<CMark>& marks, IPrintRegisters& registers) {
    std::map<int, std::vector<CMark>> byRegister;
    for (const CMark& mark : marks)
        byRegister[mark.GetRegisterCode()].push_back(mark);
    for (const auto& [code, ofRegister] : byRegister) {
        if (IPrintDb* db = registers.GetDb(code))
            db->FetchSummaries(ofRegister);
    }
}

} // namespace

void FetchPrintedSummaries(const CZrDocData& data, IPrintRegisters& registers) {
    FetchSummaries(AllPrintedMarks(data), registers);
}

bool ReadPrintedRecords(const CZrDocData& data, IPrintRegisters& registers, IProgress& progress) {
    const std::vector<CMark> marks = AllPrintedMarks(data);
    FetchSummaries(marks, registers);
    const int count = static_cast<int>(marks.size());
    progress.SetRange(count, 0, 100);
    for (int i = 0; i < count; ++i) {
        progress.SetProgress(
            "Reading mark " + std::to_string(i + 1) + " of " + std::to_string(count), i);
        if (progress.IsCancelled())
            return false;
        if (IPrintDb* db = registers.GetDb(marks[i].GetRegisterCode()))
            db->HasRecord(marks[i]);
    }
    progress.Finish();
    return true;
}
