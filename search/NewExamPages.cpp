#include "search/NewExamPages.h"

#include "core/Latin1.h"
#include "core/SystemOptions.h"
#include "core/UserOptions.h"
#include "engines/RegisterTable.h"
#include "platform/MessageBox.h"
#include "search/ClassFieldText.h"
#include "search/NewExamModel.h"

#include <algorithm>
#include <functional>

namespace {

void ShowRefusal(const std::string& message) {
    platform::ShowMessageBox(
        {message, "", platform::MessageButtons::Ok, platform::MessageIcon::Information});
}

std::vector<std::string> NonEmptyTrimmedLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        const std::string_view line = TrimWhite(std::string_view(text).substr(start, end - start));
        if (!line.empty())
            lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& terms) {
    std::string text;
    for (const std::string& term : terms)
        text += (text.empty() ? "" : "\r\n") + term;
    return text;
}

} // namespace

CExamStandardPage::CExamStandardPage(CNewExamModel& wizard, const CNewExamServices& services,
                                     const CDbSelection& catalogue)
    : wizard_(wizard), services_(services), panel_(services.registers, services.repository) {
    const CUserOptions& user = services.userOptions;
    details_.agency = user.GetAgency();
    details_.examiner = user.GetExaminer();
    details_.sections = user.GetSections();
    details_.oneClassOnly = user.GetOneClassOnly();
    panel_.SetControls({kVisibleRows, true, true, true});
    panel_.SetMakerSite(services.makerSite);
    panel_.SetConfirmedCodes(user.GetConfirmedDirectDbs());
    CDbSelection chosen = catalogue;
    chosen.SetSelectionString(user.GetDbSelection());
    panel_.Init(chosen, user.GetDbIds(), "");
}

void CExamStandardPage::SpinSections(int step) {
    details_.sections = std::clamp(details_.sections + step, CNewExamModel::kMinSections,
                                   CNewExamModel::kMaxSections);
}

bool CExamStandardPage::IsOneClassOnlyEnabled() const {
    const CUserOptions& user = services_.userOptions;
    return !user.GetDeleteDuplicates() && !user.GetMultiClassDuplicates();
}

EExamField CExamStandardPage::GetInitialFocus() const {
    if (details_.agency.empty())
        return EExamField::None;
    return details_.examiner.empty() ? EExamField::Examiner : EExamField::Client;
}

CWizardButtons CExamStandardPage::GetButtons() const {
    if (details_.autoDesign)
        return {false, true, false, "Finish"};
    return {false, false, true, "OK"};
}

bool CExamStandardPage::CanChangeEngines() const {
    return panel_.GetEngineSelections().AnyMultipleEngines();
}

CEngineDlgHelper CExamStandardPage::MakeEngineDialog() const {
    return CEngineDlgHelper(panel_.GetEngineSelections(), services_.registers);
}

void CExamStandardPage::ApplyEngineChoice(const CEngineDlgHelper& dialog) {
    dialog.Apply(panel_.GetEngineSelections());
    panel_.UpdateRows();
}

bool CExamStandardPage::Refuse(const std::string& message, EExamField focus) {
    ShowRefusal(message);
    focus_ = focus;
    return false;
}

bool CExamStandardPage::Validate() {
    details_.client = std::string(TrimWhite(details_.client));
    if (services_.systemOptions.GetRequireClientName() && details_.client.empty())
        return Refuse("U214 You must specify a Client name.", EExamField::Client);
    wizard_.SetDetails(details_.agency, details_.examiner, details_.client, details_.examId,
                       details_.oneClassOnly);
    CZrDbEngineSet engines;
    const std::string codes = panel_.GetSelectedEngines(engines);
    if (const std::string problem = wizard_.SetDatabases(panel_.GetCatalogue(), engines);
        !problem.empty())
        return Refuse(problem, EExamField::FirstDatabase);
    if (const std::string unread = panel_.FindUnconfirmedNotice(codes); !unread.empty())
        return Refuse(unread, EExamField::FirstDatabase);
    services_.userOptions.SetConfirmedDirectDbs(panel_.GetConfirmedCodes());
    focus_ = EExamField::None;
    return true;
}

bool CExamStandardPage::Next() {
    if (!Validate())
        return false;
    wizard_.SetAutoDesign(true);
    return true;
}

bool CExamStandardPage::Finish() {
    if (!Validate())
        return false;
    if (const std::string problem = wizard_.SetSections(details_.sections); !problem.empty())
        return Refuse(problem, EExamField::Sections);
    wizard_.SetAutoDesign(false);
    return true;
}

CExamAutoPage::CExamAutoPage(CNewExamModel& wizard, const CUserOptions& options)
    : wizard_(wizard), options_(options) {}

void CExamAutoPage::Activate() {
    if (!activated_)
        criteria_.statuses = CStatusChecks::FromLetters(options_.GetDefaultStatus());
    activated_ = true;
}

void CExamAutoPage::OnClassFieldFocusLost(EExamField field) {
    if (!wizard_.GetFocusCheck())
        return;
    if (field == EExamField::PrimaryClasses)
        criteria_.primaryClasses = ReformatClassField(options_, criteria_.primaryClasses);
    else if (field == EExamField::SecondaryClasses)
        criteria_.secondaryClasses = ReformatClassField(options_, criteria_.secondaryClasses);
}

bool CExamAutoPage::Next() {
    // In this order, stopping at the first refusal.
    const std::pair<std::function<std::string()>, EExamField> steps[] = {
        {[this] { return wizard_.SetPrimaryClasses(criteria_.primaryClasses); },
         EExamField::PrimaryClasses},
        {[this] { return wizard_.SetSecondaryClasses(criteria_.secondaryClasses); },
         EExamField::SecondaryClasses},
        {[this] { return wizard_.SetWordMark(criteria_.wordMark); }, EExamField::WordMark},
        {[this] { return wizard_.SetStatuses(criteria_.statuses); }, EExamField::Registered}};
    for (const auto& [set, field] : steps)
        if (const std::string problem = set(); !problem.empty()) {
            ShowRefusal(problem);
            focus_ = field;
            return false;
        }
    focus_ = EExamField::None;
    return true;
}

CExamTermsPage::CExamTermsPage(CNewExamModel& wizard, const CUserOptions& options)
    : wizard_(wizard) {
    options.FillInputMapper(inputMapper_);
    options.FillDisplayMapper(displayMapper_);
}

void CExamTermsPage::Activate() {
    if (!wizard_.AreTermsStale() || !wizard_.ProposeTerms())
        return;
    const CAutoDesignTerms& terms = wizard_.GetTerms();
    texts_[kExact] = displayMapper_.Map(JoinLines(terms.exact));
    texts_[kSubstring] = displayMapper_.Map(JoinLines(terms.substring));
    texts_[kSimilar] = displayMapper_.Map(JoinLines(terms.similar));
}

CAutoDesignTerms CExamTermsPage::ReadTexts() const {
    return {NonEmptyTrimmedLines(inputMapper_.Map(texts_[kExact])),
            NonEmptyTrimmedLines(inputMapper_.Map(texts_[kSubstring])),
            NonEmptyTrimmedLines(inputMapper_.Map(texts_[kSimilar]))};
}

bool CExamTermsPage::Finish() {
    CAutoDesignTerms terms = ReadTexts();
    int section = 0;
    if (const std::string refusal = wizard_.CheckTerms(terms, section); !refusal.empty()) {
        ShowRefusal(refusal);
        static constexpr EExamField kFieldOfSection[] = {
            EExamField::ExactTerms, EExamField::ExactTerms, EExamField::SubstringTerms,
            EExamField::SimilarTerms};
        focus_ = kFieldOfSection[section];
        return false;
    }
    wizard_.SetTerms(std::move(terms));
    focus_ = EExamField::None;
    return true;
}
