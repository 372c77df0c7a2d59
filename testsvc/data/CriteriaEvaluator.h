#pragma once
// Runs the criteria text that the client sends to an engine over one register's marks. The text
// is items of the form NAME="value", joined by AND, OR and ANDNOT, grouped by parentheses; OR
// binds weaker than AND and ANDNOT, and a leading ANDNOT excludes from every mark.

#include "testsvc/data/DataSet.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// A text the engine cannot read; its message is what CriteriaInvalid carries.
class CCriteriaError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class CCriteriaEvaluator {
public:
    explicit CCriteriaEvaluator(const CTestRegisterData& data) : data_(data) {}

    // The record ids of the matching marks in ascending order. restriction is the comma list of
    // countries that international registrations must designate (empty: no restriction);
    // oneClassOnly makes a class item match only marks with no class outside its list.
    // Throws CCriteriaError for a text it cannot read.
    std::vector<std::uint32_t> Evaluate(const std::string& criteria, const std::string& restriction,
                                        bool oneClassOnly) const;

private:
    const CTestRegisterData& data_;
};
