#include "report/print/PrintData.h"

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
