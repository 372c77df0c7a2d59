#include "app/options/OptionSheet.h"

#include "app/FileMessages.h"
#include "app/options/DisplayOptionPages.h"
#include "app/options/ExamOptionPage.h"
#include "app/options/KeywordPages.h"
#include "app/options/LanguageOptionPage.h"
#include "app/options/SearchOptionPages.h"
#include "core/SystemOptions.h"
#include "core/UserOptions.h"

void COptionPageExam::Accept(IOptionPageVisitor& visitor) {
    visitor.Visit(*this);
}
void COptionPageSearch::Accept(IOptionPageVisitor& visitor) {
    visitor.Visit(*this);
}
void COptionPageFont::Accept(IOptionPageVisitor& visitor) {
    visitor.Visit(*this);
}
void COptionPageLanguage::Accept(IOptionPageVisitor& visitor) {
    visitor.Visit(*this);
}
void COptionPageDetails::Accept(IOptionPageVisitor& visitor) {
    visitor.Visit(*this);
}
void COptionPagePrint::Accept(IOptionPageVisitor& visitor) {
    visitor.Visit(*this);
}
void COptionPageWatch::Accept(IOptionPageVisitor& visitor) {
    visitor.Visit(*this);
}
void COptionPageSpChars::Accept(IOptionPageVisitor& visitor) {
    visitor.Visit(*this);
}
void COptionPageMacros::Accept(IOptionPageVisitor& visitor) {
    visitor.Visit(*this);
}

void COptionSheet::Apply(CUserOptions& options, const COptionSheetServices& services) {
    for (const auto& page : pages_)
        page->Apply(options);
    if (!options.Save())
        ShowCannotWrite(options.GetUserFileName(), options.GetLastError());
    if (services.updateViews)
        services.updateViews(kOptionsChangedHint);
    ShowInfoBox(options, infoName_, infoText_, "", services.showInfoBox);
}

COptionSheet MakeOptionsSheet(const COptionSheetSources& sources) {
    COptionSheet sheet("Options for " + sources.system.GetUserId(), "SaveOptions",
                       "These options will remain in effect for you until changed again");
    sheet.AddPage(std::make_unique<COptionPageExam>(sources.user, sources.registers,
                                                    sources.repository, sources.catalogue));
    sheet.AddPage(std::make_unique<COptionPageSearch>(sources.user));
    sheet.AddPage(std::make_unique<COptionPageFont>(sources.user));
    sheet.AddPage(std::make_unique<COptionPageLanguage>(sources.user));
    sheet.AddPage(std::make_unique<COptionPageDetails>(sources.user, true));
    sheet.AddPage(std::make_unique<COptionPageDetails>(sources.user, false));
    sheet.AddPage(std::make_unique<COptionPagePrint>(sources.user));
    std::vector<std::string> templates;
    sources.system.ListTemplates(templates);
    sheet.AddPage(std::make_unique<COptionPageWatch>(sources.user, std::move(templates)));
    return sheet;
}

COptionSheet MakeKeywordsSheet(const CUserOptions& user, const CSystemOptions& system) {
    COptionSheet sheet("Keywords for " + system.GetUserId(), "SaveKeywords",
                       "These keywords will remain in effect for you until changed again");
    sheet.AddPage(std::make_unique<COptionPageSpChars>(user));
    sheet.AddPage(std::make_unique<COptionPageMacros>(user, "Class"));
    return sheet;
}
