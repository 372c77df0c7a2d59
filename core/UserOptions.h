#pragma once
// The logged-in user's preferences, kept in "ZrUser.ini" in the user's folder: examination
// defaults, search and watch behaviour, fonts and colours, page set-up, how much of a mark the
// long and the short display show, the names of the examination sections, the special
// characters of the search language and a few remembered choices. Also the way to the two
// keyword-macro files.
//
// Getters answer the members; setters store and mark the settings changed, and Save writes them
// back. Stored forms: "1"/"0" for switches, decimal numbers, one character, RRGGBB colours and
// face:size fonts.

#include "core/Colour.h"
#include "core/IniFile.h"

#include <array>
#include <cstdint>
#include <string>

class CSystemOptions;
class CTermMapper;

// How much of a mark one display form shows: [Long] or [Short].
struct CFormatBlock {
    bool bigFontWordmark = false;
    bool allClasses = false;
    bool specialNotices = false;
    bool goodsSpec = false;
    bool serviceName = false;
    bool serviceAddr = false;
    bool agentName = false;
    bool agentAddr = false;
    bool updateHistory = false;
    bool deviceCat = false;
    bool printOnNewPage = false;
    int prop = 0;   // owners: 0 none, 1 first name, 2 first name and address, 3 all names, 4 all
    int device = 0; // 0 none, 1 text indicator, 2 thumbnail, 3 small, 4 full

    bool operator==(const CFormatBlock&) const = default;
};

// The presentation flag word of a display form, as the record presenters take it.
std::uint32_t GetFormatFlags(const CFormatBlock& format);

struct CMarginRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const CMarginRect&) const = default;
};

struct CFontSetting {
    std::string face;
    int size = 0;
};

class CUserOptions {
public:
    static constexpr int kSectionNameCount = 99;

    // Every setting at its default, until Load.
    CUserOptions();
    CUserOptions(const CUserOptions&) = delete;
    CUserOptions& operator=(const CUserOptions&) = delete;
    virtual ~CUserOptions() = default;

    // Reads the user's settings from the files of the logged-in user of the system settings.
    void Load();
    void Load(const CSystemOptions& system);
    // Writes every saved setting when something changed (or with force), and the section names
    // when one of them changed (or with force). False when the file could not be written, or
    // could not hold a value (a line break, say), which is then left out while every other key
    // is written; the settings then stay marked as changed. GetLastError says why.
    bool Save(bool force = false);
    bool IsChanged() const { return changed_; }
    // Why the last Save or WriteMacroSection failed.
    const std::string& GetLastError() const { return lastError_; }
    const std::string& GetUserFileName() const { return userFile_.GetFileName(); }
    const std::string& GetUserMacroFileName() const { return userMacroFile_.GetFileName(); }

    // [Exam]
    const std::string& GetAgency() const { return agency_; }
    void SetAgency(const std::string& agency) { Store(agency_, agency); }
    const std::string& GetExaminer() const { return examiner_; }
    void SetExaminer(const std::string& examiner) { Store(examiner_, examiner); }
    // Also true while either kind of duplicate handling is in effect.
    bool GetOneClassOnly() const;
    void SetOneClassOnly(bool oneClassOnly) { Store(oneClassOnly_, oneClassOnly); }
    // False while MultiClassDuplicates is set.
    bool GetDeleteDuplicates() const { return deleteDuplicates_ && !multiClassDuplicates_; }
    bool GetMultiClassDuplicates() const { return multiClassDuplicates_; }
    int GetSections() const { return sections_; }
    void SetSections(int sections) { Store(sections_, sections); }
    const std::string& GetDbIds() const { return dbIds_; }
    void SetDbIds(const std::string& dbIds) { Store(dbIds_, dbIds); }
    const std::string& GetDbSelection() const { return dbSelection_; }
    void SetDbSelection(const std::string& dbSelection) { Store(dbSelection_, dbSelection); }
    // [Exam] "<short name>_Engine", read from and written to the file at once.
    std::string GetPreferredEngine(char registerCode) const;
    bool SetPreferredEngine(char registerCode, const std::string& engineName);

    // [Search]
    const std::string& GetDefaultStatus() const { return defaultStatus_; }
    void SetDefaultStatus(const std::string& status) { Store(defaultStatus_, status); }
    bool GetHideDuplicates() const { return hideDuplicates_; }
    void SetHideDuplicates(bool hide) { Store(hideDuplicates_, hide); }
    int GetAutoLong() const { return autoLong_; }
    void SetAutoLong(int autoLong) { Store(autoLong_, autoLong); }
    int GetAutoKeep() const { return autoKeep_; }
    void SetAutoKeep(int autoKeep) { Store(autoKeep_, autoKeep); }
    int GetSortOrder() const { return sortOrder_; }
    void SetSortOrder(int sortOrder) { Store(sortOrder_, sortOrder); }

    // [Watch]
    bool GetWatchAutoKeep() const { return watchAutoKeep_; }
    void SetWatchAutoKeep(bool value) { Store(watchAutoKeep_, value); }
    bool GetWatchAutoLong() const { return watchAutoLong_; }
    void SetWatchAutoLong(bool value) { Store(watchAutoLong_, value); }
    bool GetWatchSkipReview() const { return watchSkipReview_; }
    void SetWatchSkipReview(bool value) { Store(watchSkipReview_, value); }
    bool GetWatchAutoReport() const { return watchAutoReport_; }
    void SetWatchAutoReport(bool value) { Store(watchAutoReport_, value); }
    const std::string& GetWatchDefaultReport() const { return watchDefaultReport_; }
    void SetWatchDefaultReport(const std::string& value) { Store(watchDefaultReport_, value); }
    const std::string& GetWatchReportDir() const { return watchReportDir_; }
    void SetWatchReportDir(const std::string& value) { Store(watchReportDir_, value); }
    bool GetWatchIncludeCrossClasses() const { return watchIncludeCrossClasses_; }
    void SetWatchIncludeCrossClasses(bool value) { Store(watchIncludeCrossClasses_, value); }
    bool GetWatchDevices() const { return watchDevices_; }
    void SetWatchDevices(bool value) { Store(watchDevices_, value); }
    const std::string& GetWatchSet() const { return watchSet_; }
    void SetWatchSet(const std::string& value) { Store(watchSet_, value); }
    int GetWatchTermMatch() const { return watchTermMatch_; }
    void SetWatchTermMatch(int value) { Store(watchTermMatch_, value ? 1 : 0); }

    // [Font]: the face, with the point size through the output.
    std::string GetDisplayMainFont(int& size) const { return GetFont(kDisplayMain, size); }
    void SetDisplayMainFont(const std::string& face, int size) {
        SetFont(kDisplayMain, face, size);
    }
    std::string GetDisplayWordmarkFont(int& size) const { return GetFont(kDisplayWordmark, size); }
    void SetDisplayWordmarkFont(const std::string& face, int size) {
        SetFont(kDisplayWordmark, face, size);
    }
    std::string GetPrinterMainFont(int& size) const { return GetFont(kPrinterMain, size); }
    void SetPrinterMainFont(const std::string& face, int size) {
        SetFont(kPrinterMain, face, size);
    }
    std::string GetPrinterWordmarkFont(int& size) const { return GetFont(kPrinterWordmark, size); }
    void SetPrinterWordmarkFont(const std::string& face, int size) {
        SetFont(kPrinterWordmark, face, size);
    }
    // The colours of kept marks when the argument is true, else of the others.
    CColour GetFgrColour(bool kept) const { return kept ? keptFgrColour_ : stdFgrColour_; }
    CColour GetBgrColour(bool kept) const { return kept ? keptBgrColour_ : stdBgrColour_; }

    // [Lang] Options: "y" or "n", then one hexadecimal digit per language, in preference order.
    const std::string& GetLangOptions() const { return langOptions_; }
    // A different text is stored and drops the cached records that depend on it.
    void SetLangOptions(const std::string& options);

    // [Page]
    void GetPageMargins(CMarginRect& margins) const { margins = margins_; }
    const std::string& GetPageHeading() const { return heading_; }
    void GetPrintLines(bool& vertical, bool& horizontal) const {
        vertical = printVerticalLines_;
        horizontal = printHorizontalLines_;
    }
    bool GetPrintCriteria() const { return printCriteria_; }
    // The spare page flag: nothing sets it.
    bool GetPageOption() const { return false; }
    void SetPageSetup(const CMarginRect& margins, const std::string& heading, bool vertical,
                      bool horizontal, bool printCriteria);

    // [Report]
    const std::string& GetReportTemplate() const { return reportTemplate_; }
    void SetReportTemplate(const std::string& name) { Store(reportTemplate_, name); }

    // [Long], [Short]
    const CFormatBlock& GetLongFormat() const { return longFormat_; }
    void SetLongFormat(const CFormatBlock& format) { Store(longFormat_, format); }
    const CFormatBlock& GetShortFormat() const { return shortFormat_; }
    void SetShortFormat(const CFormatBlock& format) { Store(shortFormat_, format); }

    // [SectionNames]: index 0 is section 1. Outside 0 to 98 the name is "" and setting fails.
    std::string GetSectionName(int index) const;
    bool SetSectionName(int index, const std::string& name);

    // [SpecialChars]
    char GetMacroPrefix() const { return macroPrefix_; }
    void SetMacroPrefix(char c) { Store(macroPrefix_, c); }
    char GetMatchAny() const { return matchAny_; }
    void SetMatchAny(char c) { Store(matchAny_, c); }
    char GetMatchOne() const { return matchOne_; }
    void SetMatchOne(char c) { Store(matchOne_, c); }
    char GetMatchOneOrNone() const { return matchOneOrNone_; }
    void SetMatchOneOrNone(char c) { Store(matchOneOrNone_, c); }
    // Internal wildcards to the user's, for terms shown or printed.
    void FillDisplayMapper(CTermMapper& mapper) const;
    // The user's wildcards to internal ones, for terms typed in search dialogs.
    void FillInputMapper(CTermMapper& mapper) const;

    // [Misc]
    void GetDeLogin(std::string& user, std::string& password) const {
        user = deLoginUser_;
        password = deLoginPwd_;
    }
    void SetDeLogin(const std::string& user, const std::string& password);
    bool GetEnquiryShowDetails() const { return enquiryShowDetails_; }
    void SetEnquiryShowDetails(bool show) { Store(enquiryShowDetails_, show); }
    const std::string& GetDefaultCaveatSet() const { return defaultCaveatSet_; }
    void SetDefaultCaveatSet(const std::string& set) { Store(defaultCaveatSet_, set); }
    const std::string& GetConfirmedDirectDbs() const { return confirmedDirectDbs_; }
    void SetConfirmedDirectDbs(const std::string& dbs) { Store(confirmedDirectDbs_, dbs); }
    const std::string& GetLatestDontShowDate() const { return latestDontShowDate_; }
    void SetLatestDontShowDate(const std::string& date) { Store(latestDontShowDate_, date); }

    // [ShowMsgId]: whether an information message is shown again; read and cleared in the file
    // at once.
    bool GetShowMsgId(const std::string& id) const;
    bool ClearShowMsgId(const std::string& id);

    // Keyword macros. A definition is taken from the user's macro file when it has the key (even
    // empty), else from the system macro file. False, with "", when neither has it.
    bool GetMacroDefinition(const std::string& section, const std::string& keyword,
                            std::string& definition) const;
    // [Class] "x" + keyword; "" when not defined.
    std::string GetMacroClassDefinition(const std::string& keyword) const;
    void ReadMacroSection(const std::string& section, bool system, CIniPairs& pairs) const;
    bool WriteMacroSection(const std::string& section, const CIniPairs& pairs,
                           const std::vector<std::string>& keysToDelete);

private:
    enum FontIndex { kDisplayMain, kDisplayWordmark, kPrinterMain, kPrinterWordmark, kFontCount };
    class CLoader;
    class CSaver;

    template <class T>
    void Store(T& member, const T& value) {
        member = value;
        changed_ = true;
    }
    std::string GetFont(FontIndex index, int& size) const;
    void SetFont(FontIndex index, const std::string& face, int size);
    // Visits every key of the user file in its order, for loading and saving alike.
    template <class Io>
    void Exchange(Io& io);
    template <class Io>
    void ExchangeFormat(Io& io, const char* section, CFormatBlock& format, bool isLong);
    void LoadFrom(const CIniFile& file);

    CIniFile userFile_;
    CIniFile systemMacroFile_;
    CIniFile userMacroFile_;
    std::string userDir_;
    bool changed_ = false;
    std::string lastError_;

    // The settings; the constructor gives them their defaults by loading from no file.
    bool oneClassOnly_{};
    bool deleteDuplicates_{};
    bool multiClassDuplicates_{};
    int sections_{};
    std::string agency_, examiner_, dbIds_, dbSelection_;
    std::string defaultStatus_;
    int autoLong_{};
    int autoKeep_{};
    bool hideDuplicates_{};
    int sortOrder_{};
    bool watchAutoKeep_{};
    bool watchAutoLong_{};
    bool watchSkipReview_{};
    bool watchAutoReport_{};
    std::string watchDefaultReport_, watchReportDir_;
    bool watchIncludeCrossClasses_{};
    bool watchDevices_{};
    std::string watchSet_;
    int watchTermMatch_{};
    std::string langOptions_;
    CMarginRect margins_;
    std::string heading_;
    bool printVerticalLines_{};
    bool printHorizontalLines_{};
    bool printCriteria_{};
    std::string reportTemplate_;
    std::array<CFontSetting, kFontCount> fonts_;
    CColour stdFgrColour_, stdBgrColour_, keptFgrColour_, keptBgrColour_;
    CFormatBlock longFormat_, shortFormat_;
    std::array<std::string, kSectionNameCount> sectionNames_;
    bool sectionNamesChanged_{};
    char macroPrefix_{};
    char matchAny_{};
    char matchOne_{};
    char matchOneOrNone_{};
    std::string deLoginUser_, deLoginPwd_;
    bool enquiryShowDetails_{};
    std::string defaultCaveatSet_, confirmedDirectDbs_, latestDontShowDate_;
};

// The program's user settings.
CUserOptions& TheUserOptions();

// The options text of record requests: the [Lang] Options value, ":", "1", then "2" with the flag
// and "1" without: "y3:11" by default.
std::string BuildLangOptions(bool flag);
