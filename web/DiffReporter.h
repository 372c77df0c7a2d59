#pragma once
// Where a comparison of a mark's record (what we "have") with the register's public page (what
// it "should be") reports: every difference, error and line. The comparers never own their
// reporter.

#include <string>

class CDiffReporter {
public:
    CDiffReporter() = default;
    CDiffReporter(const CDiffReporter&) = delete;
    CDiffReporter& operator=(const CDiffReporter&) = delete;
    virtual ~CDiffReporter() = default;

    virtual void WriteLine(const std::string& text) = 0;
    // A difference whose two sides take two lines each (a name and its address).
    virtual void ReportDifferenceTwoLines(const std::string& field, const std::string& have1,
                                          const std::string& have2, const std::string& should1,
                                          const std::string& should2) = 0;
    virtual void ReportDifference(const std::string& field, const std::string& have,
                                  const std::string& should) = 0;
    virtual void ReportError(const std::string& text) = 0;
};
