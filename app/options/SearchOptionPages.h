#pragma once
// The Search page (hiding marks found before, the sections whose marks are made long or kept by
// default, the default statuses) and the Watch page (what a watch run does with its marks and
// its report, and the record set it watches).

#include "app/options/OptionPage.h"
#include "search/StatusChecks.h"

#include <string>
#include <vector>

struct CSearchOptionValues {
    bool hideDuplicates = false;
    int autoLong = 0;
    int autoKeep = 0;
    CStatusChecks statuses;

    bool operator==(const CSearchOptionValues&) const = default;
};

class COptionPageSearch : public COptionPage {
public:
    static constexpr int kDialogId = 157;
    static constexpr int kMinAuto = 0;
    static constexpr int kMaxAuto = 99;

    explicit COptionPageSearch(const CUserOptions& options);

    std::string GetCaption() const override { return "Search"; }
    int GetHelpContext() const override { return kHelpBase + kDialogId; }
    const CSearchOptionValues& GetValues() const { return values_; }
    void SetValues(const CSearchOptionValues& values) { values_ = values; }
    // The statuses go back as the ticked letters in the order r, p, l, a.
    void Apply(CUserOptions& options) override;
    void Accept(IOptionPageVisitor& visitor) override;

private:
    CSearchOptionValues values_;
};

enum class EWatchSet { AddedLastWeek, AddedLastMonth, Other };

struct CWatchOptionValues {
    bool autoKeep = false;
    bool autoLong = false;
    bool skipReview = false;
    bool autoReport = false;
    std::string defaultReport;
    std::string reportDir;
    EWatchSet set = EWatchSet::AddedLastWeek;
    std::string otherSet; // the set's name when it is Other

    bool operator==(const CWatchOptionValues&) const = default;
};

class COptionPageWatch : public COptionPage {
public:
    static constexpr int kDialogId = 171;

    // The templates are the file names of the templates folder.
    COptionPageWatch(const CUserOptions& options, std::vector<std::string> templates);

    std::string GetCaption() const override { return "Watch"; }
    int GetHelpContext() const override { return kHelpBase + kDialogId; }
    const CWatchOptionValues& GetValues() const { return values_; }
    void SetValues(const CWatchOptionValues& values) { values_ = values; }
    const std::vector<std::string>& GetTemplates() const { return templates_; }
    // The template that is the default report; -1 when none is.
    int GetTemplateIndex() const;

    // "Automatically produce report" only while the review is skipped; the template and the
    // report folder only while the report is produced too.
    bool IsAutoReportEnabled() const { return values_.skipReview; }
    bool AreReportControlsEnabled() const { return values_.skipReview && values_.autoReport; }

    // The set is written "AddedLastWeek", "AddedLastMonth" or as its own name.
    void Apply(CUserOptions& options) override;
    void Accept(IOptionPageVisitor& visitor) override;

private:
    CWatchOptionValues values_;
    std::vector<std::string> templates_;
};
