#pragma once
// The Options and Keywords sheets without their windows: their pages in order, and what OK
// does. Cancel does nothing at all: no page has written anything before OK.

#include "app/options/OptionPage.h"
#include "core/InfoBox.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CDbSelection;
class COptionPageDetails;
class COptionPageExam;
class COptionPageFont;
class COptionPageLanguage;
class COptionPageMacros;
class COptionPagePrint;
class COptionPageSearch;
class COptionPageSpChars;
class COptionPageWatch;
class CSystemOptions;
class CZrRepository;
class IRegisterTable;

// An operation per page type, so that windows can be made for pages held by their base.
class IOptionPageVisitor {
public:
    virtual ~IOptionPageVisitor() = default;
    virtual void Visit(COptionPageExam& page) = 0;
    virtual void Visit(COptionPageSearch& page) = 0;
    virtual void Visit(COptionPageFont& page) = 0;
    virtual void Visit(COptionPageLanguage& page) = 0;
    virtual void Visit(COptionPageDetails& page) = 0;
    virtual void Visit(COptionPagePrint& page) = 0;
    virtual void Visit(COptionPageWatch& page) = 0;
    virtual void Visit(COptionPageSpChars& page) = 0;
    virtual void Visit(COptionPageMacros& page) = 0;
};

// What OK tells the rest of the program: the views hear an update hint, the user the show-once
// message.
struct COptionSheetServices {
    std::function<void(int hint)> updateViews;
    InfoBoxShower showInfoBox;
};

class COptionSheet {
public:
    // The views' update hint after OK: the user's settings changed.
    static constexpr int kOptionsChangedHint = 2048;

    COptionSheet(std::string caption, std::string infoName, std::string infoText)
        : caption_(std::move(caption)), infoName_(std::move(infoName)),
          infoText_(std::move(infoText)) {}

    const std::string& GetCaption() const { return caption_; }
    void AddPage(std::unique_ptr<COptionPage> page) { pages_.push_back(std::move(page)); }
    int GetPageCount() const { return static_cast<int>(pages_.size()); }
    COptionPage& GetPage(int index) { return *pages_.at(static_cast<std::size_t>(index)); }

    // OK: every page writes its values in page order, the settings are saved once (a file
    // that cannot be written is reported), the views are told and the show-once message is
    // shown.
    void Apply(CUserOptions& options, const COptionSheetServices& services);

private:
    std::string caption_;
    std::string infoName_;
    std::string infoText_;
    std::vector<std::unique_ptr<COptionPage>> pages_;
};

// Where the Options sheet's pages read what they offer.
struct COptionSheetSources {
    const CUserOptions& user;
    const CSystemOptions& system;
    const IRegisterTable& registers;
    const CZrRepository& repository;
    // The register table's database catalogue.
    const CDbSelection& catalogue;
};

// "Options for <user id>": Examination, Search, Fonts, Languages, Long, Short, Print, Watch.
COptionSheet MakeOptionsSheet(const COptionSheetSources& sources);
// "Keywords for <user id>": Special Characters, then the "Class" keywords.
COptionSheet MakeKeywordsSheet(const CUserOptions& user, const CSystemOptions& system);
