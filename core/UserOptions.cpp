#include "core/UserOptions.h"

#include "core/CoreServices.h"
#include "core/FilePath.h"
#include "core/SmallHelpers.h"
#include "core/SystemOptions.h"
#include "core/TermMapper.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <map>
#include <strings.h>
#include <utility>
#include <vector>

namespace {

const char* const kPageNumbering = "&b&d&bPage &p";
const char* const kProductHeading = "VO Voruderevoze Darivedod Adodiv Uvedar";

// "face:size": the face is the text before the last ":". False when there is no ":".
bool ParseFont(const std::string& text, CFontSetting& font) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos)
        return false;
    font.face = text.substr(0, colon);
    const long size = std::strtol(text.c_str() + colon + 1, nullptr, 10);
    font.size = static_cast<int>(std::clamp<long>(size, INT_MIN, INT_MAX));
    return true;
}

// Exactly six hexadecimal digits RRGGBB. False for any other length.
bool ParseColour(const std::string& text, CColour& colour) {
    if (text.size() != 6)
        return false;
    const auto pair = [&](std::size_t at) {
        return static_cast<std::uint8_t>(HexDigitValue(text[at]) * 16 +
                                         HexDigitValue(text[at + 1]));
    };
    colour = {pair(0), pair(2), pair(4)};
    return true;
}

CColour ReadColour(const CIniFile& file, const char* key, const char* defaultText) {
    CColour colour;
    if (!ParseColour(file.GetString("Font", key, defaultText), colour))
        ParseColour(defaultText, colour);
    return colour;
}

} // namespace

// Reads each visited key into its member, the default when the file lacks it.
class CUserOptions::CLoader {
public:
    static constexpr bool kLoading = true;
    explicit CLoader(const CIniFile& file) : file_(file) {}

    const CIniFile& File() const { return file_; }
    void Text(const char* section, const char* key, std::string& value, const std::string& def) {
        value = file_.GetString(section, key, def);
    }
    void Bool(const char* section, const char* key, bool& value, bool def) {
        value = file_.GetBool(section, key, def);
    }
    void Int(const char* section, const char* key, int& value, int def) {
        value = file_.GetInt(section, key, def);
    }
    void Char(const char* section, const char* key, char& value, char def) {
        value = file_.GetChar(section, key, def);
    }
    // A value without ":" gives the default.
    void Font(const char* section, const char* key, CFontSetting& value, const char* def) {
        if (!ParseFont(file_.GetString(section, key, def), value))
            ParseFont(def, value);
    }

private:
    const CIniFile& file_;
};

// Collects each visited key in its stored form, section by section, for one write per section.
class CUserOptions::CSaver {
public:
    static constexpr bool kLoading = false;

    void Text(const char* section, const char* key, const std::string& value, const std::string&) {
        Add(section, key, value);
    }
    void Bool(const char* section, const char* key, bool value, bool) {
        Add(section, key, value ? "1" : "0");
    }
    void Int(const char* section, const char* key, int value, int) {
        Add(section, key, std::to_string(value));
    }
    void Char(const char* section, const char* key, char value, char) {
        Add(section, key, value ? std::string(1, value) : std::string());
    }
    void Font(const char* section, const char* key, const CFontSetting& value, const char*) {
        Add(section, key, value.face + ":" + std::to_string(value.size));
    }

    // Writes the sections; a value the file cannot hold is left out and named in the error, so
    // that it never costs the other keys their place in the file.
    bool Write(CIniFile& file, std::string& error) const {
        for (const auto& [section, pairs] : sections_) {
            if (!file.WriteSection(section, pairs, {})) {
                error = file.GetLastError();
                return false;
            }
        }
        if (refused_.empty())
            return true;
        error = "The file cannot hold the value of";
        for (std::size_t i = 0; i < refused_.size(); ++i)
            error += (i == 0 ? " " : ", ") + refused_[i];
        return false;
    }

private:
    void Add(const char* section, const char* key, std::string value) {
        if (!CIniDocument::CanStore(section, key, value)) {
            refused_.push_back(std::string("[") + section + "] " + key);
            return;
        }
        if (sections_.empty() || sections_.back().first != section)
            sections_.emplace_back(section, CIniPairs());
        sections_.back().second.emplace_back(key, std::move(value));
    }

    std::vector<std::pair<std::string, CIniPairs>> sections_;
    std::vector<std::string> refused_;
};

template <class Io>
void CUserOptions::ExchangeFormat(Io& io, const char* section, CFormatBlock& format, bool isLong) {
    bool newPage = isLong;
    if constexpr (Io::kLoading)
        newPage = io.File().GetBool("Page", "PrintNewPage", isLong);
    io.Bool(section, "BigFontWordmark", format.bigFontWordmark, isLong);
    io.Bool(section, "AllClasses", format.allClasses, false);
    io.Bool(section, "SpecialNotices", format.specialNotices, isLong);
    io.Bool(section, "GoodsSpec", format.goodsSpec, isLong);
    io.Bool(section, "ServiceName", format.serviceName, isLong);
    io.Bool(section, "ServiceAddr", format.serviceAddr, isLong);
    io.Bool(section, "AgentName", format.agentName, isLong);
    io.Bool(section, "AgentAddr", format.agentAddr, isLong);
    io.Bool(section, "UpdateHistory", format.updateHistory, isLong);
    io.Bool(section, "DeviceCat", format.deviceCat, isLong);
    io.Bool(section, "PrintOnNewPage", format.printOnNewPage, newPage);
    io.Int(section, "Prop", format.prop, isLong ? 4 : 0);
    io.Int(section, "Device", format.device, isLong ? 4 : 0);
}

template <class Io>
void CUserOptions::Exchange(Io& io) {
    io.Text("Exam", "Agency", agency_, "");
    io.Text("Exam", "Examiner", examiner_, "");
    io.Bool("Exam", "OneClassOnly", oneClassOnly_, true);
    io.Int("Exam", "Sections", sections_, 4);
    io.Text("Exam", "DbIds", dbIds_, "");
    io.Text("Exam", "DbSelection", dbSelection_, "");

    io.Text("Search", "DefaultStatus", defaultStatus_, "rpla");
    io.Bool("Search", "HideDuplicates", hideDuplicates_, false);
    io.Int("Search", "AutoLong", autoLong_, 1);
    io.Int("Search", "AutoKeep", autoKeep_, 0);
    io.Int("Search", "SortOrder", sortOrder_, 0);

    io.Bool("Watch", "AutoKeep", watchAutoKeep_, true);
    io.Bool("Watch", "AutoLong", watchAutoLong_, false);
    io.Bool("Watch", "SkipReview", watchSkipReview_, false);
    io.Bool("Watch", "AutoReport", watchAutoReport_, false);
    io.Text("Watch", "DefaultReport", watchDefaultReport_, "watch.rtf");
    io.Text("Watch", "ReportDir", watchReportDir_,
            userDir_.empty() ? std::string() : AppendPath(userDir_, "WatchReports"));
    if constexpr (Io::kLoading)
        watchReportDir_ = MapWindowsFolder(watchReportDir_);
    io.Bool("Watch", "IncludeCrossClasses", watchIncludeCrossClasses_, true);
    io.Bool("Watch", "Devices", watchDevices_, true);
    io.Text("Watch", "Set", watchSet_, "AddedLastWeek");
    io.Int("Watch", "TermMatch", watchTermMatch_, 1);
    watchTermMatch_ = watchTermMatch_ ? 1 : 0;

    io.Font("Font", "DisplayMain", fonts_[kDisplayMain], "Arial:10");
    io.Font("Font", "DisplayWordmark", fonts_[kDisplayWordmark], "Arial:14");
    io.Font("Font", "PrinterMain", fonts_[kPrinterMain], "Arial:10");
    io.Font("Font", "PrinterWordmark", fonts_[kPrinterWordmark], "Arial:20");

    // Through the setter, so that a changed text drops the records that depend on it.
    std::string langOptions = langOptions_;
    io.Text("Lang", "Options", langOptions, "y3");
    SetLangOptions(langOptions);

    io.Int("Page", "LeftMargin", margins_.left, 10);
    io.Int("Page", "TopMargin", margins_.top, 10);
    io.Int("Page", "RightMargin", margins_.right, 10);
    io.Int("Page", "BottomMargin", margins_.bottom, 10);
    io.Bool("Page", "PrintVerticalLines", printVerticalLines_, true);
    io.Bool("Page", "PrintHorizontalLines", printHorizontalLines_, true);
    io.Bool("Page", "PrintCriteria", printCriteria_, true);
    // HeadingEx replaced Heading, which lacked the page numbering; saving empties Heading.
    io.Text("Page", "HeadingEx", heading_, "");
    std::string oldHeading;
    io.Text("Page", "Heading", oldHeading, "");
    if constexpr (Io::kLoading) {
        if (heading_.empty())
            heading_ = (oldHeading.empty() ? kProductHeading : oldHeading) + kPageNumbering;
    }

    io.Text("Report", "Template", reportTemplate_, "default.rtf");

    ExchangeFormat(io, "Long", longFormat_, true);
    ExchangeFormat(io, "Short", shortFormat_, false);

    io.Char("SpecialChars", "MacroPrefix", macroPrefix_, '.');
    io.Char("SpecialChars", "MatchAny", matchAny_, '-');
    io.Char("SpecialChars", "MatchOne", matchOne_, '*');
    io.Char("SpecialChars", "MatchOneOrNone", matchOneOrNone_, '?');

    io.Text("Misc", "DeLoginUser", deLoginUser_, "");
    io.Text("Misc", "DeLoginPwd", deLoginPwd_, "");
    io.Bool("Misc", "EnquiryShowDetails", enquiryShowDetails_, true);
    io.Text("Misc", "DefaultCaveatSet", defaultCaveatSet_, "UpdatedLastWeek");
    io.Text("Misc", "ConfirmedDirectDbs", confirmedDirectDbs_, "");
    io.Text("Misc", "LatestDontShowDate", latestDontShowDate_, "");
}

CUserOptions::CUserOptions() {
    LoadFrom(CIniFile());
}

CUserOptions& TheUserOptions() {
    static CUserOptions options;
    return options;
}

void CUserOptions::Load() {
    Load(TheSystemOptions());
}

void CUserOptions::Load(const CSystemOptions& system) {
    userDir_ = system.GetUserDir();
    const std::string& home = system.GetHomeDir();
    // Without a user folder nothing is read or written; a bare file name would land in the
    // working folder.
    const auto inUserDir = [&](const char* name) {
        return userDir_.empty() ? std::string() : AppendPath(userDir_, name);
    };
    userFile_.SetFileName(inUserDir("ZrUser.ini"));
    // The file holds a password of a register's web site.
    userFile_.SetOwnerOnly(true);
    if (strcasecmp(system.GetUserId().c_str(), "SYSMAN") == 0) {
        // The system manager edits the shared keywords directly.
        systemMacroFile_.SetFileName(AppendPath(home, "ZrMacrosNotExist.ini"));
        userMacroFile_.SetFileName(AppendPath(home, "ZrMacros.ini"));
    } else {
        systemMacroFile_.SetFileName(AppendPath(home, "ZrMacros.ini"));
        userMacroFile_.SetFileName(inUserDir("ZrMacros.ini"));
    }
    LoadFrom(userFile_);
}

void CUserOptions::LoadFrom(const CIniFile& file) {
    CLoader loader(file);
    Exchange(loader);
    deleteDuplicates_ = file.GetBool("Exam", "DeleteDuplicates", false);
    multiClassDuplicates_ = file.GetBool("Exam", "MultiClassDuplicates", false);
    stdFgrColour_ = ReadColour(file, "StdFgrColour", "000000");
    stdBgrColour_ = ReadColour(file, "StdBgrColour", "FFFFFF");
    keptFgrColour_ = ReadColour(file, "KeptFgrColour", "000000");
    keptBgrColour_ = ReadColour(file, "KeptBgrColour", "FFC0C0");

    CIniPairs stored;
    file.ReadSection("SectionNames", stored);
    const std::map<std::string, std::string> names(stored.begin(), stored.end());
    for (int i = 0; i < kSectionNameCount; ++i) {
        const std::string key = std::to_string(i + 1);
        const auto name = names.find(key);
        sectionNames_[static_cast<std::size_t>(i)] =
            name != names.end() ? name->second : "Section " + key;
    }
    changed_ = false;
    sectionNamesChanged_ = false;
}

bool CUserOptions::Save(bool force) {
    // Each part is written whatever became of the other.
    bool saved = true;
    if (changed_ || force) {
        // The file holds the effective value, as its readers expect.
        oneClassOnly_ = GetOneClassOnly();
        CSaver saver;
        Exchange(saver);
        if (saver.Write(userFile_, lastError_))
            changed_ = false;
        else
            saved = false;
    }
    if (sectionNamesChanged_ || force) {
        CSaver saver;
        for (int i = 0; i < kSectionNameCount; ++i)
            saver.Text("SectionNames", std::to_string(i + 1).c_str(),
                       sectionNames_[static_cast<std::size_t>(i)], "");
        if (saver.Write(userFile_, lastError_))
            sectionNamesChanged_ = false;
        else
            saved = false;
    }
    return saved;
}

bool CUserOptions::GetOneClassOnly() const {
    return GetDeleteDuplicates() || GetMultiClassDuplicates() || oneClassOnly_;
}

std::string CUserOptions::GetPreferredEngine(char registerCode) const {
    return userFile_.GetString("Exam", GetRegisterServices().GetShortName(registerCode) + "_Engine",
                               "");
}

bool CUserOptions::SetPreferredEngine(char registerCode, const std::string& engineName) {
    return userFile_.WriteString(
        "Exam", GetRegisterServices().GetShortName(registerCode) + "_Engine", engineName);
}

std::string CUserOptions::GetFont(FontIndex index, int& size) const {
    size = fonts_[index].size;
    return fonts_[index].face;
}

void CUserOptions::SetFont(FontIndex index, const std::string& face, int size) {
    Store(fonts_[index], CFontSetting{face, size});
}

void CUserOptions::FillDisplayMapper(CTermMapper& mapper) const {
    mapper.Clear();
    mapper.Add('-', matchAny_);
    mapper.Add('*', matchOne_);
    mapper.Add('?', matchOneOrNone_);
}

void CUserOptions::FillInputMapper(CTermMapper& mapper) const {
    mapper.Clear();
    mapper.Add(matchAny_, '-');
    mapper.Add(matchOne_, '*');
    mapper.Add(matchOneOrNone_, '?');
}

void CUserOptions::SetLangOptions(const std::string& options) {
    if (options == langOptions_)
        return;
    Store(langOptions_, options);
    GetRegisterServices().DropLanguageDependentRecords();
}

void CUserOptions::SetPageSetup(const CMarginRect& margins, const std::string& heading,
                                bool vertical, bool horizontal, bool printCriteria) {
    margins_ = margins;
    heading_ = heading;
    printVerticalLines_ = vertical;
    printHorizontalLines_ = horizontal;
    printCriteria_ = printCriteria;
    changed_ = true;
}

std::string CUserOptions::GetSectionName(int index) const {
    if (index < 0 || index >= kSectionNameCount)
        return {};
    return sectionNames_[static_cast<std::size_t>(index)];
}

bool CUserOptions::SetSectionName(int index, const std::string& name) {
    if (index < 0 || index >= kSectionNameCount)
        return false;
    sectionNames_[static_cast<std::size_t>(index)] = name;
    sectionNamesChanged_ = true;
    return true;
}

void CUserOptions::SetDeLogin(const std::string& user, const std::string& password) {
    deLoginUser_ = user;
    deLoginPwd_ = password;
    changed_ = true;
}

bool CUserOptions::GetShowMsgId(const std::string& id) const {
    return userFile_.GetBool("ShowMsgId", id, true);
}

bool CUserOptions::ClearShowMsgId(const std::string& id) {
    return userFile_.WriteBool("ShowMsgId", id, false);
}

bool CUserOptions::GetMacroDefinition(const std::string& section, const std::string& keyword,
                                      std::string& definition) const {
    return userMacroFile_.GetStringIfSet(section, keyword, definition) ||
           systemMacroFile_.GetStringIfSet(section, keyword, definition);
}

std::string CUserOptions::GetMacroClassDefinition(const std::string& keyword) const {
    std::string definition;
    GetMacroDefinition("Class", "x" + keyword, definition);
    return definition;
}

void CUserOptions::ReadMacroSection(const std::string& section, bool system,
                                    CIniPairs& pairs) const {
    (system ? systemMacroFile_ : userMacroFile_).ReadSection(section, pairs);
}

bool CUserOptions::WriteMacroSection(const std::string& section, const CIniPairs& pairs,
                                     const std::vector<std::string>& keysToDelete) {
    if (userMacroFile_.WriteSection(section, pairs, keysToDelete))
        return true;
    lastError_ = userMacroFile_.GetLastError();
    return false;
}

std::uint32_t GetFormatFlags(const CFormatBlock& format) {
    std::uint32_t flags = 0;
    const std::pair<bool, std::uint32_t> parts[] = {
        {format.specialNotices, 0x2}, {format.goodsSpec, 0x4},     {format.allClasses, 0x8},
        {format.serviceName, 0x100},  {format.serviceAddr, 0x200}, {format.agentName, 0x400},
        {format.agentAddr, 0x800},    {format.deviceCat, 0x1000},  {format.updateHistory, 0x2000},
    };
    for (const auto& [on, bit] : parts) {
        if (on)
            flags |= bit;
    }
    static const std::uint32_t ownerFlags[] = {0, 0x10, 0x30, 0x50, 0xF0};
    if (format.prop >= 1 && format.prop <= 4)
        flags |= ownerFlags[format.prop];
    return flags;
}

std::string BuildLangOptions(bool flag) {
    return TheUserOptions().GetLangOptions() + ":1" + (flag ? "2" : "1");
}
