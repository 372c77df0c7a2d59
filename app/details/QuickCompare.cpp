#include "app/details/QuickCompare.h"

#include "registers/ZrDbs.h"
#include "web/DiffRegisters.h"

namespace {

constexpr unsigned kBold = kStyleTextBold;

// A line of the report: its text on a line of its own.
void AddLine(CHtmlPresenter& output, const std::string& text, unsigned style) {
    output.AddPlainField("", text, style, kTextLatin, false, false);
}

std::string CheckedFieldsText(const std::vector<std::string>& fields) {
    std::string text;
    for (const std::string& field : fields)
        text += (text.empty() ? "" : ", ") + field;
    return text + ".";
}

} // namespace

bool CRegisterPageComparer::Compare(int code, std::string_view page, const CZrData& record,
                                    CDiffReporter& reporter,
                                    std::vector<std::string>& checkedFields) {
    return ComparePage(code, page, record, reporter, checkedFields);
}

void CQuickCompareReport::WriteLine(const std::string& text) {
    AddLine(output_, text, 0);
}

void CQuickCompareReport::ReportDifferenceTwoLines(const std::string& field,
                                                   const std::string& have1,
                                                   const std::string& have2,
                                                   const std::string& should1,
                                                   const std::string& should2) {
    differences_ = true;
    output_.AddPlainField("", field, kBold, kTextLatin, true, false);
    output_.EndParagraph(false);
    // Values go in unconverted: the output converts each once.
    output_.AddTwoColumns("Have:", have1, 0, kTextDecide);
    if (!have2.empty())
        output_.AddTwoColumns("", have2, 0, kTextDecide);
    output_.AddTwoColumns("Should be:", should1, 0, kTextDecide);
    if (!should2.empty())
        output_.AddTwoColumns("", should2, 0, kTextDecide);
    output_.SetParagraphPending(false);
}

void CQuickCompareReport::ReportDifference(const std::string& field, const std::string& have,
                                           const std::string& should) {
    ReportDifferenceTwoLines(field, have, "", should, "");
}

void CQuickCompareReport::ReportError(const std::string& text) {
    AddLine(output_, text, kBold);
}

std::string RunQuickCompare(CZrDbs& registers, IPageComparer& comparer, const CMark& mark,
                            std::string_view page) {
    CHtmlPresenter output;
    std::string error = "No DIFF support for database";
    CZrDb* db = registers.GetDbOfMark(mark);
    const RecordPtr record = db ? db->GetTextRecord(mark, error) : nullptr;
    if (!record) {
        AddLine(output, error, 0);
        return output.GetHtml();
    }
    CQuickCompareReport report(output);
    std::vector<std::string> checked;
    if (!comparer.Compare(mark.GetRegisterCode(), page, *record, report, checked))
        AddLine(output, "No DIFF support for database", 0);
    if (output.IsEmpty())
        AddLine(output, "No differences found", kBold);
    if (report.HasDifferences()) {
        const std::uint32_t recordId = mark.GetRecordNumber();
        db->FlagSuspectSges({&recordId, 1});
    }
    output.AddPlainField("The following fields were checked:", CheckedFieldsText(checked), 0,
                         kTextLatin, true, false);
    return output.GetHtml();
}
