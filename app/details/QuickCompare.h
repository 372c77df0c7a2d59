#pragma once
// The Quick Compare tab: the register's page, as fetched for the PTO tab, parsed by the
// register's details-page parser and compared with the mark's record, the differences written
// as the details window's HTML. The page comes as the text its fetch decoded, which is read as
// it stands, so that the tab and the difference check read the same page alike.

#include "core/Mark.h"
#include "report/presenter/HtmlPresenter.h"
#include "web/DiffReporter.h"

#include <string>
#include <string_view>
#include <vector>

class CZrData;
class CZrDbs;

// The registers' page parsers and comparers.
class IPageComparer {
public:
    virtual ~IPageComparer() = default;
    // Parses the page of the register of the code, compares it with the record, reports every
    // difference and names the fields it checked, in its order. False when the register has no
    // comparison; a register without a page parser (Community designs) compares nothing and
    // answers true.
    virtual bool Compare(int code, std::string_view page, const CZrData& record,
                         CDiffReporter& reporter, std::vector<std::string>& checkedFields) = 0;
};

// The difference check's page parsers and comparers of each register.
class CRegisterPageComparer : public IPageComparer {
public:
    bool Compare(int code, std::string_view page, const CZrData& record, CDiffReporter& reporter,
                 std::vector<std::string>& checkedFields) override;
};

// Writes a comparison's report as HTML.
class CQuickCompareReport : public CDiffReporter {
public:
    explicit CQuickCompareReport(CHtmlPresenter& output) : output_(output) {}

    void WriteLine(const std::string& text) override;
    void ReportDifferenceTwoLines(const std::string& field, const std::string& have1,
                                  const std::string& have2, const std::string& should1,
                                  const std::string& should2) override;
    void ReportDifference(const std::string& field, const std::string& have,
                          const std::string& should) override;
    void ReportError(const std::string& text) override;

    bool HasDifferences() const { return differences_; }

private:
    CHtmlPresenter& output_;
    bool differences_ = false;
};

// Compares the page with the mark's record and returns the report as HTML. A mark whose record
// differs from its page is flagged suspect with its register.
std::string RunQuickCompare(CZrDbs& registers, IPageComparer& comparer, const CMark& mark,
                            std::string_view page);
