#pragma once
// The marks that one criteria item (NAME="value") selects in one register.

#include "testsvc/data/DataSet.h"

#include <cstddef>
#include <string>
#include <vector>

// A set of marks of one register, by index.
class CMarkSet {
public:
    CMarkSet(std::size_t size, bool all) : bits_(size, all) {}

    bool Has(std::size_t i) const { return bits_[i]; }
    void Set(std::size_t i) { bits_[i] = true; }
    void And(const CMarkSet& other);
    void Or(const CMarkSet& other);
    void AndNot(const CMarkSet& other);
    std::size_t Count() const;

private:
    std::vector<bool> bits_;
};

class CCriteriaItems {
public:
    CCriteriaItems(const CTestRegisterData& data, bool oneClassOnly)
        : data_(data), oneClassOnly_(oneClassOnly) {}

    CMarkSet All() const { return CMarkSet(data_.Marks().size(), true); }
    // The marks an item selects; throws CCriteriaError for a name the engine does not know.
    CMarkSet Evaluate(const std::string& name, const std::string& value) const;

private:
    template <typename Test>
    CMarkSet Select(Test test) const;

    CMarkSet WordItem(int kind, const std::string& term) const;
    CMarkSet Phrase(const std::string& phrase) const;
    CMarkSet Classes(const std::string& value) const;
    CMarkSet Statuses(const std::string& value) const;
    CMarkSet AppNumbers(const std::string& value) const;
    CMarkSet AppDates(const std::string& value) const;
    CMarkSet Names(int kind, const std::string& value) const;
    CMarkSet DeviceCodes(const std::string& value) const;
    CMarkSet LocarnoClasses(const std::string& value) const;
    CMarkSet Goods(const std::string& value) const;
    CMarkSet Countries(const std::string& value) const;

    const CTestRegisterData& data_;
    bool oneClassOnly_;
};
