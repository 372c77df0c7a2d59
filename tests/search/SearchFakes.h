#pragma once
// The examination and registers as the search sheets see them, held as plain data, and user
// settings with keyword macros in a temporary home, for the tests of the search models.

#include "core/Criteria.h"
#include "core/UserOptions.h"
#include "search/SearchExamination.h"
#include "tests/core/SettingsFixture.h"

#include <map>
#include <string>
#include <vector>

class CFakeSearchExamination : public ISearchExamination {
public:
    struct Register {
        std::string longName;
        std::string pattern = "\\d+";
        std::vector<std::string> countries;
    };

    std::string GetConnectedDatabaseCodes() const override { return connected; }
    const CDbSelection& GetDbSelection() const override { return selection; }
    std::vector<std::string> GetSetNames() const override { return setNames; }
    bool HasRegister(char code) const override { return registers.count(code) != 0; }
    std::string GetLongName(char code) const override { return Find(code).longName; }
    std::string GetAppNumPattern(char code) const override { return Find(code).pattern; }
    std::vector<std::string> GetCountryCodes(char code) const override {
        return Find(code).countries;
    }

    std::string connected = "uc";
    std::map<char, Register> registers{{'u', {"United Kingdom", "\\d+", {}}},
                                       {'c', {"European Union Trade Marks", "\\d+", {}}},
                                       {'t', {"Australia", "\\d+", {"au"}}},
                                       {'p', {"Poland", "P?L?\\d+", {"PL"}}}};
    CDbSelection selection;
    std::vector<std::string> setNames{"AddedLastWeek", "UpdatedLastWeek"};

private:
    const Register& Find(char code) const {
        static const Register none;
        const auto found = registers.find(code);
        return found != registers.end() ? found->second : none;
    }
};

// A logged-in user whose keyword file defines ".food" (29-33) and ".all" (every class), with
// the examination above.
class SearchModelFixture : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        home_.Folder().Write("velorin/ZrMacros.ini",
                             "[Class]\nfood=29-33\nall=1-45,301-350,A,B,US1-US108\n");
        options_.Load(system_);
    }
    // Criteria as a new search gets them: the databases and the default statuses.
    static CCriteria NewCriteria(const std::string& databases = "uc") {
        CCriteria criteria;
        criteria.ResetWithDbIds(databases);
        return criteria;
    }

    CUserOptions options_;
    CFakeSearchExamination exam_;
};
